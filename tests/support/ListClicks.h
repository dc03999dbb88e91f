#pragma once

#include "browser/MainView.h"

#include <Qt>

class QListView;
class QPushButton;

// Clicks on a row of a real list view the way a user does: on the row's check box, or on
// its text.
void clickCheckBox(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void clickRowText(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  Qt::MouseButton button = Qt::LeftButton);
// Checks every row with a select-all button whose mode the session keeps in mode: in deselect
// mode it is switched first with a right click, which leaves it so when every row is already
// checked.
void checkEveryRow(QPushButton* selectAll, const vastrel::browser::SelectMode& mode);
