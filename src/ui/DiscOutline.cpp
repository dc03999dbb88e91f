#include "DiscOutline.h"

#include <QPainter>

namespace vastrel::ui {

DiscOutline::DiscOutline(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void DiscOutline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1d, 0x4e, 0x52), 6));
    painter.setBrush(Qt::NoBrush);
    // Inside the edge of the disc, beyond which the window is transparent.
    const QRectF disc(mapFromParent(QPoint(0, 0)), parentWidget()->size());
    painter.drawEllipse(disc.adjusted(3, 3, -3, -3));
}

} // namespace vastrel::ui
