#include "SongbookLayout.h"

#include "platform/Fonts.h"
#include "texts/rtf/RtfDocumentBuilder.h"
#include "texts/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace vastrel::ui {

using browser::Songbook;
using browser::SongPages;

namespace {

constexpr double kPointsPerInch = 72;
// The size an RTF note is written for: it scales with the note's text.
constexpr double kRtfNotePoints = 10;
// Line spacing grows in proportion to the size; measured at a size where rounding is small.
constexpr double kMeasuringPoints = 100;

QFont sans(double size, QFont::Weight weight = QFont::Normal)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(size);
    font.setWeight(weight);
    return font;
}

QFont fixedPitch(double size)
{
    QFont font = platform::Fonts::fixedPitch(int(kMeasuringPoints));
    // Kerning would pull characters off the grid that keeps the columns.
    font.setKerning(false);
    font.setPointSizeF(size);
    return font;
}

} // namespace

SongbookLayout::SongbookLayout(const Songbook& book, QPaintDevice& device, QSizeF page,
                               const Sizes& sizes)
    : m_book(book), m_device(device), m_size(page), m_sizes(sizes),
      m_headingFont(sans(13 * sizes.headings, QFont::Bold)), m_timeFont(sans(11 * sizes.headings)),
      m_entryFont(sans(11 * sizes.headings)), m_footerFont(sans(8 * sizes.headings))
{
    const double headingHeight = QFontMetricsF(m_headingFont, &m_device).height();
    const double footerHeight = QFontMetricsF(m_footerFont, &m_device).height();
    const double bottom = m_size.height() - footerHeight - points(8);
    if (m_book.songs.isEmpty()) {
        m_body = QRectF(0, 0, m_size.width(), std::max(bottom, 1.0));
        layOutNote();
    } else {
        const double top = headingHeight + points(11);
        m_body = QRectF(0, top, m_size.width(), std::max(bottom - top, 1.0));
        layOutSongs();
    }
}

SongbookLayout::~SongbookLayout() = default;

double SongbookLayout::points(double size) const
{
    return size * m_device.logicalDpiY() / kPointsPerInch;
}

// The size at which so many lines of the fixed-pitch font fill the body, with half a line to
// spare for the rounding of smaller sizes.
double SongbookLayout::sizeFilling(int lines) const
{
    const double spacing = QFontMetricsF(fixedPitch(kMeasuringPoints), &m_device).lineSpacing();
    return m_body.height() / (lines + 0.5) * kMeasuringPoints / spacing;
}

QList<int> SongbookLayout::pagesPerSong() const
{
    if (m_note)
        return {pageCount()};
    QList<int> pages;
    for (const SongLayout& song : m_songs)
        pages.append(song.pages.pageCount());
    return pages;
}

int SongbookLayout::pageOf(int song, int songPage) const
{
    if (m_note)
        return std::clamp(songPage, 0, pageCount() - 1);
    const SongLayout& layout = m_songs[song];
    return layout.firstPage + std::clamp(songPage, 0, layout.pages.pageCount() - 1);
}

// The songs' pages follow the contents, whose length the number of songs decides.
void SongbookLayout::layOutSongs()
{
    const int songs = int(m_book.songs.size());
    if (m_sizes.contents && songs > 1) {
        const double spacing = QFontMetricsF(m_entryFont, &m_device).lineSpacing() * 1.3;
        m_entriesPerPage = std::max(1, int(m_body.height() / spacing));
        for (int entry = 0; entry < songs; entry += m_entriesPerPage)
            m_pages.append({PageKind::Contents, 0, entry});
    }
    m_songs.reserve(songs);
    for (int s = 0; s < songs; ++s) {
        SongLayout song = layOut(m_book.songs[s]);
        song.firstPage = int(m_pages.size());
        for (int page = 0; page < song.pages.pageCount(); ++page)
            m_pages.append({PageKind::Song, s, page});
        m_songs.append(std::move(song));
    }
}

SongbookLayout::SongLayout SongbookLayout::layOut(const Songbook::Song& song) const
{
    SongLayout layout;
    const QStringList lines = SongPages::gridLines(m_sizes.sides ? song.text : song.words);
    layout.font = fixedPitch(m_sizes.largest);
    const auto advance = [&](double size) {
        layout.font.setPointSizeF(size);
        return QFontMetricsF(layout.font, &m_device).horizontalAdvance(u'M');
    };
    double largest = m_sizes.largest;
    if (m_sizes.fewestLines > 0)
        largest = std::min(largest, sizeFilling(m_sizes.fewestLines));
    const double size =
        m_sizes.scale * SongPages::fittingSize(SongPages::widest(lines), m_body.width(),
                                               m_sizes.smallest, largest, advance);
    const double step = advance(size);
    const QFontMetricsF metrics(layout.font, &m_device);
    layout.pages = SongPages(lines, qsizetype(m_body.width() / step),
                             int(m_body.height() / metrics.lineSpacing()));
    return layout;
}

// A note as the pane shows it: an RTF note formatted, any other in the fixed-pitch font.
void SongbookLayout::layOutNote()
{
    double size = m_sizes.note;
    if (m_sizes.noteColumns > 0) {
        QFont font = fixedPitch(size);
        size = SongPages::fittingSize(
            m_sizes.noteColumns, m_body.width(), size,
            std::max(size, sizeFilling(std::max(m_sizes.fewestLines, 1))), [&](double points) {
                font.setPointSizeF(points);
                return QFontMetricsF(font, &m_device).horizontalAdvance(u'M');
            });
    }
    size *= m_sizes.scale;
    m_note = std::make_unique<QTextDocument>();
    m_note->documentLayout()->setPaintDevice(&m_device);
    m_note->setDocumentMargin(0);
    m_note->setDefaultFont(fixedPitch(size));
    if (texts::RtfReader::isRtf(m_book.document))
        texts::RtfDocumentBuilder::build(texts::RtfReader::parse(m_book.document), *m_note,
                                         size / kRtfNotePoints);
    else
        m_note->setPlainText(SongPages::gridLines(m_book.document).join(u'\n'));
    m_note->setPageSize(m_body.size());
    for (int page = 0; page < m_note->pageCount(); ++page)
        m_pages.append({PageKind::Note, page, 0});
}

int SongbookLayout::notePosition(int notePage) const
{
    return m_note->documentLayout()->hitTest(QPointF(0, notePage * m_body.height()), Qt::FuzzyHit);
}

int SongbookLayout::notePageOf(int position) const
{
    const QTextBlock block = m_note->findBlock(position);
    double y = m_note->documentLayout()->blockBoundingRect(block).top();
    if (const QTextLayout* lines = block.layout()) {
        const QTextLine line = lines->lineForTextPosition(position - block.position());
        if (line.isValid())
            y += line.y();
    }
    return std::clamp(int(y / m_body.height()), 0, pageCount() - 1);
}

void SongbookLayout::paint(QPainter& painter, int index, const QString& footer,
                           const QColor& ink) const
{
    const Page& p = m_pages[index];
    painter.setPen(ink);
    switch (p.kind) {
    case PageKind::Contents:
        paintContents(painter, p, ink);
        break;
    case PageKind::Song:
        paintSong(painter, p, ink);
        break;
    case PageKind::Note:
        paintNote(painter, p, ink);
        break;
    }
    painter.setFont(m_footerFont);
    const double footerTop = m_size.height() - QFontMetricsF(m_footerFont, &m_device).height();
    painter.drawText(QRectF(0, footerTop, m_size.width(), m_size.height() - footerTop),
                     Qt::AlignHCenter | Qt::AlignBottom, footer);
}

// The heading on the left, cut short where it would run into the time on the right, and a
// rule under both.
void SongbookLayout::paintHeading(QPainter& painter, const QString& heading, const QString& time,
                                  const QColor& ink) const
{
    const QFontMetricsF metrics(m_headingFont, &m_device);
    const double width = m_size.width();
    const double timeWidth =
        time.isEmpty() ? 0
                       : QFontMetricsF(m_timeFont, &m_device).horizontalAdvance(time) + points(12);
    painter.setFont(m_timeFont);
    painter.drawText(QRectF(0, 0, width, metrics.height()), Qt::AlignRight | Qt::AlignBottom, time);
    painter.setFont(m_headingFont);
    painter.drawText(QPointF(0, metrics.ascent()),
                     metrics.elidedText(heading, Qt::ElideRight, width - timeWidth));
    const double rule = metrics.height() + points(3);
    painter.save();
    painter.setPen(QPen(ink, points(0.5)));
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));
    painter.restore();
}

void SongbookLayout::paintContents(QPainter& painter, const Page& page, const QColor& ink) const
{
    paintHeading(painter,
                 page.first == 0 ? QStringLiteral("Indice") : QStringLiteral("Indice (segue)"),
                 QString(), ink);
    painter.setFont(m_entryFont);
    const QFontMetricsF metrics(m_entryFont, &m_device);
    const double spacing = metrics.lineSpacing() * 1.3;
    const int end = std::min(page.first + m_entriesPerPage, int(m_songs.size()));
    double y = m_body.top();
    for (int s = page.first; s < end; ++s, y += spacing) {
        // Pages count from 1 on paper.
        const QString number = QString::number(m_songs[s].firstPage + 1);
        const double room = m_body.width() - metrics.horizontalAdvance(number) -
                            metrics.horizontalAdvance(u'M') * 3;
        painter.drawText(QPointF(0, y + metrics.ascent()),
                         metrics.elidedText(m_book.songs[s].heading, Qt::ElideRight, room));
        painter.drawText(QRectF(0, y, m_body.width(), spacing), Qt::AlignRight | Qt::AlignTop,
                         number);
    }
}

void SongbookLayout::paintSong(QPainter& painter, const Page& page, const QColor& ink) const
{
    const Songbook::Song& song = m_book.songs[page.item];
    const SongLayout& layout = m_songs[page.item];
    paintHeading(painter,
                 page.first == 0 ? song.heading : song.heading + QStringLiteral(" (segue)"),
                 song.time, ink);
    painter.setFont(layout.font);
    const QFontMetricsF metrics(layout.font, &m_device);
    const QStringList& lines = layout.pages.lines();
    double baseline = m_body.top() + metrics.ascent();
    for (int line = layout.pages.firstLine(page.first); line < layout.pages.endLine(page.first);
         ++line, baseline += metrics.lineSpacing())
        painter.drawText(QPointF(0, baseline), lines[line]);
}

void SongbookLayout::paintNote(QPainter& painter, const Page& page, const QColor& ink) const
{
    const double height = m_body.height();
    painter.save();
    painter.translate(m_body.left(), m_body.top() - page.item * height);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, page.item * height, m_body.width(), height);
    context.palette.setColor(QPalette::Text, ink);
    m_note->documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace vastrel::ui
