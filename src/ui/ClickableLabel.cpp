#include "ClickableLabel.h"

#include <QMouseEvent>

namespace vastrel::ui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace vastrel::ui
