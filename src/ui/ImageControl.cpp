#include "ImageControl.h"

#include "platform/ModifierMask.h"

#include <QMouseEvent>
#include <utility>

namespace vastrel::ui {

ImageControl::ImageControl(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    Q_EMIT mouseDown(event->button(), platform::modifiersOf(event->modifiers()));
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool pressed = std::exchange(m_pressed, false);
    if (pressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

// The second press of a double click reaches the picture only as the double click, which
// may have switched to another picture; its release, wherever it lands, is no click.
void ImageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_pressed = false;
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

} // namespace vastrel::ui
