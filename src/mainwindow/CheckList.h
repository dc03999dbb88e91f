#pragma once

#include "catalogue/CheckListModel.h"

#include <QListView>

namespace vastrel::mainwindow {

// A list of the main window, with check boxes or without. It reports key and mouse presses
// before it handles them, so that the modifiers of a gesture are known before the mark
// that the gesture changes.
class CheckList : public QListView
{
    Q_OBJECT

public:
    CheckList(bool checkable, QWidget* parent);

    catalogue::CheckListModel* rows() const { return m_model; }
    // The current row, or -1 when there is none.
    int listIndex() const;
    void setListIndex(int row);

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, int mask);
    void keyDown(int key, int mask);
    // The character a key press types, after keyDown and before the list handles the key.
    void keyPress(int character);
    void focusIn();
    void focusOut();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;

private:
    catalogue::CheckListModel* m_model;
};

} // namespace vastrel::mainwindow
