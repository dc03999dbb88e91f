#pragma once

#include <QStringView>
#include <Qt>

class QListView;
class QPushButton;

// Clicks on a row of a real list view the way a user does: on the row's check box, or on
// its text.
void clickCheckBox(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void clickRowText(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Checks every row with a select-all button: in deselect mode it is switched first with a
// right click, which leaves it so when every row is already checked.
void checkEveryRow(QPushButton* selectAll, QStringView selectTip);
