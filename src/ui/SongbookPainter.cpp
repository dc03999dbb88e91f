#include "SongbookPainter.h"

#include "platform/Fonts.h"
#include "texts/TabColumns.h"
#include "texts/TwoColumns.h"
#include "texts/rtf/RtfDocumentBuilder.h"
#include "texts/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <cmath>

namespace vastrel::ui {

using browser::Songbook;

namespace {

constexpr double kBodyPoints = 11;
constexpr double kSmallestBodyPoints = 7;
constexpr double kNotePoints = 10;
constexpr double kPointsPerInch = 72;

QFont sans(double size, QFont::Weight weight = QFont::Normal)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(size);
    font.setWeight(weight);
    return font;
}

// The lines of a text with tabs turned into blanks, so that the columns the pane shows on
// its grid stay columns on paper; empty lines at the end print nothing.
QStringList gridLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines;
    for (const QString& line : text.split(lineBreak)) {
        QString expanded;
        texts::TabColumns::expand(line, 0, line.size(), 0, expanded);
        lines.append(expanded);
    }
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

qsizetype widest(const QStringList& lines)
{
    qsizetype columns = 0;
    for (const QString& line : lines)
        columns = std::max(columns, line.size());
    return columns;
}

} // namespace

SongbookPainter::SongbookPainter(const Songbook& book, QPagedPaintDevice& device)
    : m_book(book), m_device(device), m_headingFont(sans(13, QFont::Bold)), m_timeFont(sans(11)),
      m_entryFont(sans(11)), m_footerFont(sans(8))
{
    const double headingHeight = QFontMetricsF(m_headingFont, &m_device).height();
    const double footerHeight = QFontMetricsF(m_footerFont, &m_device).height();
    const double bottom = m_device.height() - footerHeight - points(8);
    if (m_book.songs.isEmpty()) {
        m_body = QRectF(0, 0, m_device.width(), bottom);
        layOutNote();
    } else {
        const double top = headingHeight + points(11);
        m_body = QRectF(0, top, m_device.width(), std::max(bottom - top, 1.0));
        layOutSongs();
    }
}

SongbookPainter::~SongbookPainter() = default;

double SongbookPainter::points(double size) const
{
    return size * m_device.logicalDpiY() / kPointsPerInch;
}

// The songs' pages follow the contents, whose length the number of songs decides.
void SongbookPainter::layOutSongs()
{
    const int songs = int(m_book.songs.size());
    if (songs > 1) {
        const double spacing = QFontMetricsF(m_entryFont, &m_device).lineSpacing() * 1.3;
        m_entriesPerPage = std::max(1, int(m_body.height() / spacing));
        for (int entry = 0; entry < songs; entry += m_entriesPerPage)
            m_pages.append({PageKind::Contents, 0, entry});
    }
    for (int s = 0; s < songs; ++s) {
        SongLayout song = layOut(m_book.songs[s]);
        song.firstPage = int(m_pages.size()) + 1;
        int line = 0;
        do {
            m_pages.append({PageKind::Song, s, line});
            line += song.linesPerPage;
        } while (line < song.lines.size());
        m_songs.append(std::move(song));
    }
}

// The largest size up to the body size at which the widest line fits, in steps of half a
// point; fixed-pitch glyphs make a line's width its columns times one advance.
SongbookPainter::SongLayout SongbookPainter::layOut(const Songbook::Song& song) const
{
    SongLayout layout;
    const QStringList lines = gridLines(song.text);
    const auto columns = double(std::max<qsizetype>(widest(lines), 1));
    layout.font = platform::Fonts::fixedPitch(int(kBodyPoints));
    layout.font.setKerning(false);
    const auto advance = [&](double size) {
        layout.font.setPointSizeF(size);
        return QFontMetricsF(layout.font, &m_device).horizontalAdvance(u'M');
    };
    double size = kBodyPoints;
    if (columns * advance(size) > m_body.width()) {
        size = std::floor(2 * size * m_body.width() / (columns * advance(size))) / 2;
        size = std::max(size, kSmallestBodyPoints);
        while (size > kSmallestBodyPoints && columns * advance(size) > m_body.width())
            size -= 0.5;
    }
    const double step = advance(size);
    const QFontMetricsF metrics(layout.font, &m_device);
    const auto fitting = std::max<qsizetype>(qsizetype(m_body.width() / step), 1);
    for (const QString& line : lines)
        layout.lines += texts::TwoColumns::wrapLine(line, fitting);
    layout.linesPerPage = std::max(1, int(m_body.height() / metrics.lineSpacing()));
    return layout;
}

// A note as the pane shows it: an RTF note formatted, any other in the fixed-pitch font.
void SongbookPainter::layOutNote()
{
    m_note = std::make_unique<QTextDocument>();
    m_note->documentLayout()->setPaintDevice(&m_device);
    m_note->setDocumentMargin(0);
    QFont font = platform::Fonts::fixedPitch(int(kNotePoints));
    font.setKerning(false);
    m_note->setDefaultFont(font);
    if (texts::RtfReader::isRtf(m_book.document))
        texts::RtfDocumentBuilder::build(texts::RtfReader::parse(m_book.document), *m_note);
    else
        m_note->setPlainText(gridLines(m_book.document).join(u'\n'));
    m_note->setPageSize(m_body.size());
    for (int page = 0; page < m_note->pageCount(); ++page)
        m_pages.append({PageKind::Note, page, 0});
}

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
        paintPage(painter, page);
        if (!progress(page - first + 1, last - first + 1))
            return Outcome::Cancelled;
    }
    return painter.end() ? Outcome::Done : Outcome::Failed;
}

void SongbookPainter::paintPage(QPainter& painter, int page) const
{
    const Page& p = m_pages[page - 1];
    switch (p.kind) {
    case PageKind::Contents:
        paintContents(painter, p);
        break;
    case PageKind::Song:
        paintSong(painter, p);
        break;
    case PageKind::Note:
        paintNote(painter, p);
        break;
    }
    painter.setFont(m_footerFont);
    const double footerTop = m_device.height() - QFontMetricsF(m_footerFont, &m_device).height();
    painter.drawText(QRectF(0, footerTop, m_device.width(), m_device.height() - footerTop),
                     Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("Pagina %1 di %2").arg(page).arg(pageCount()));
}

// The heading on the left, cut short where it would run into the time on the right, and a
// rule under both.
void SongbookPainter::paintHeading(QPainter& painter, const QString& heading,
                                   const QString& time) const
{
    const QFontMetricsF metrics(m_headingFont, &m_device);
    const double width = m_device.width();
    const double timeWidth =
        time.isEmpty() ? 0
                       : QFontMetricsF(m_timeFont, &m_device).horizontalAdvance(time) + points(12);
    painter.setFont(m_timeFont);
    painter.drawText(QRectF(0, 0, width, metrics.height()), Qt::AlignRight | Qt::AlignBottom, time);
    painter.setFont(m_headingFont);
    painter.drawText(QPointF(0, metrics.ascent()),
                     metrics.elidedText(heading, Qt::ElideRight, width - timeWidth));
    const double rule = metrics.height() + points(3);
    painter.setPen(QPen(Qt::black, points(0.5)));
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));
}

void SongbookPainter::paintContents(QPainter& painter, const Page& page) const
{
    paintHeading(painter,
                 page.first == 0 ? QStringLiteral("Indice") : QStringLiteral("Indice (segue)"),
                 QString());
    painter.setFont(m_entryFont);
    const QFontMetricsF metrics(m_entryFont, &m_device);
    const double spacing = metrics.lineSpacing() * 1.3;
    const int end = std::min(page.first + m_entriesPerPage, int(m_songs.size()));
    double y = m_body.top();
    for (int s = page.first; s < end; ++s, y += spacing) {
        const QString number = QString::number(m_songs[s].firstPage);
        const double room = m_body.width() - metrics.horizontalAdvance(number) -
                            metrics.horizontalAdvance(u'M') * 3;
        painter.drawText(QPointF(0, y + metrics.ascent()),
                         metrics.elidedText(m_book.songs[s].heading, Qt::ElideRight, room));
        painter.drawText(QRectF(0, y, m_body.width(), spacing), Qt::AlignRight | Qt::AlignTop,
                         number);
    }
}

void SongbookPainter::paintSong(QPainter& painter, const Page& page) const
{
    const Songbook::Song& song = m_book.songs[page.item];
    const SongLayout& layout = m_songs[page.item];
    paintHeading(painter,
                 page.first == 0 ? song.heading : song.heading + QStringLiteral(" (segue)"),
                 song.time);
    painter.setFont(layout.font);
    const QFontMetricsF metrics(layout.font, &m_device);
    const int end = std::min(page.first + layout.linesPerPage, int(layout.lines.size()));
    double baseline = m_body.top() + metrics.ascent();
    for (int line = page.first; line < end; ++line, baseline += metrics.lineSpacing())
        painter.drawText(QPointF(0, baseline), layout.lines[line]);
}

void SongbookPainter::paintNote(QPainter& painter, const Page& page) const
{
    const double height = m_body.height();
    painter.save();
    painter.translate(m_body.left(), m_body.top() - page.item * height);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, page.item * height, m_body.width(), height);
    context.palette.setColor(QPalette::Text, Qt::black);
    m_note->documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace vastrel::ui
