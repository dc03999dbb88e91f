#include "ClickableLabel.h"

#include <QMouseEvent>

namespace vastrel::aboutwindow {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace vastrel::aboutwindow
