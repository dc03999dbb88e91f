#pragma once

#include <Qt>

class QListView;

// Clicks on a row of a real list view the way a user does: on the row's check box, or on
// its text.
void clickCheckBox(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void clickRowText(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
