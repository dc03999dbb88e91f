#include "ImageControl.h"

#include "platform/ModifierMask.h"

#include <QMouseEvent>

namespace vastrel::ui {

ImageControl::ImageControl(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mouseDown(event->button(), platform::modifiersOf(event->modifiers()));
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

} // namespace vastrel::ui
