#include "SongbookPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace vastrel::ui {

SongbookPainter::SongbookPainter(const browser::Songbook& book, QPagedPaintDevice& device)
    : m_device(device), m_layout(book, device, QSizeF(device.width(), device.height()), {})
{}

SongbookPainter::Outcome SongbookPainter::paint(const Progress& progress, Range range)
{
    const int first = std::max(range.from, 1);
    const int last = range.to > 0 ? std::min(range.to, pageCount()) : pageCount();
    QPainter painter;
    if (!painter.begin(&m_device))
        return Outcome::Failed;
    for (int page = first; page <= last; ++page) {
        if (page > first && !m_device.newPage())
            return Outcome::Failed;
        m_layout.paint(painter, page - 1,
                       QStringLiteral("Pagina %1 di %2").arg(page).arg(pageCount()), Qt::black);
        if (!progress(page - first + 1, last - first + 1))
            return Outcome::Cancelled;
    }
    return painter.end() ? Outcome::Done : Outcome::Failed;
}

} // namespace vastrel::ui
