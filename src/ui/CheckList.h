#pragma once

#include "catalogue/CheckListModel.h"
#include "platform/ModifierMask.h"

#include <QListView>

namespace vastrel::ui {

// A list of the main window, with check boxes or without. It reports key and mouse presses
// before it handles them, so that the modifiers of a gesture are known before the mark
// that the gesture changes. Only the left button makes a row current.
class CheckList : public QListView
{
    Q_OBJECT

public:
    // The list shows the rows, the marks and the current row of the model.
    CheckList(catalogue::CheckListModel* model, QWidget* parent);

    catalogue::CheckListModel* rows() const { return m_model; }
    // The text the list shows while it has no rows; it is no row.
    void setPlaceholderText(const QString& text);

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, vastrel::platform::Modifiers mask);
    void keyDown(int key, vastrel::platform::Modifiers mask);
    // The character a key press types, after keyDown and before the list handles the key.
    void keyPress(int character);
    void focusIn();
    void focusOut();
    // A left press on the row that was current already, which changes no current row.
    void currentRowPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    catalogue::CheckListModel* m_model;
    QString m_placeholder;
};

} // namespace vastrel::ui
