#pragma once

#include "platform/ModifierMask.h"

#include <QLabel>

namespace vastrel::ui {

// A picture of a window that reacts to the mouse: the size-switch images, the About
// picture, the picture box. It can stretch its picture to its size. A click is a press and
// a release on the same picture; the release that ends a double click is no click.
class ImageControl : public QLabel
{
    Q_OBJECT

public:
    explicit ImageControl(QWidget* parent);

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, vastrel::platform::Modifiers mask);
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace vastrel::ui
