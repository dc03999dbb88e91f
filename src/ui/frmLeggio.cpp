#include "frmLeggio.h"

#include "browser/TextZoom.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace vastrel::ui {

using browser::ReadingKeys;
using browser::TextZoom;

namespace {

// A song's text is as large as lets its widest line fit the screen, but no larger than lets
// this many lines fill it: a short line would otherwise leave a screen to a few words.
constexpr int kFewestLines = 12;
constexpr double kLargestPoints = 1000;
// Notes run in lines of about this many characters.
constexpr int kNoteColumns = 60;
// The headings and the footer, read from further away than on paper.
constexpr double kHeadings = 1.6;
// The margins, as a part of the screen's shorter side.
constexpr int kMarginPart = 30;

} // namespace

frmLeggio::frmLeggio(browser::Songbook book, double paneSize, QWidget* parent)
    : QWidget(parent, Qt::Window), m_book(std::move(book)), m_paneSize(paneSize)
{
    setObjectName(QStringLiteral("frmLeggio"));
    setWindowTitle(QStringLiteral("Vastrel - Leggio"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdlePointerMs);
    connect(&m_idle, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
}

frmLeggio::~frmLeggio() = default;

void frmLeggio::open(QScreen* screen)
{
    setScreen(screen);
    setGeometry(screen->geometry());
    showFullScreen();
    m_idle.start();
}

SongbookLayout::Sizes frmLeggio::sizes() const
{
    SongbookLayout::Sizes s;
    s.smallest = m_paneSize;
    s.largest = kLargestPoints;
    s.fewestLines = kFewestLines;
    s.scale = m_zoom / 100.0;
    s.note = m_paneSize;
    s.noteColumns = kNoteColumns;
    s.headings = kHeadings;
    s.contents = false;
    s.sides = m_sides;
    return s;
}

QMargins frmLeggio::margins() const
{
    const int margin = std::min(width(), height()) / kMarginPart;
    return {margin, margin, margin, margin};
}

// Laid out again, the view stays on the same song and keeps in sight the text that began
// the screen when the size began to change, so that steps up and back down come back to it.
void frmLeggio::layOut()
{
    if (m_layout && !m_anchor)
        m_anchor = m_layout->isNote()
                       ? m_layout->notePosition(m_place.page())
                       : m_layout->songPages(m_place.song()).sourceLineOf(m_place.page());
    auto layout = std::make_unique<SongbookLayout>(
        m_book, *this, QSizeF(rect().marginsRemoved(margins()).size()), sizes());
    if (!m_anchor) {
        m_place = browser::ReadingPlace(layout->pagesPerSong(), layout->isNote());
    } else {
        const int page = layout->isNote() ? layout->notePageOf(*m_anchor)
                                          : layout->songPages(m_place.song()).pageOf(*m_anchor);
        m_place.relayout(layout->pagesPerSong(), page);
    }
    m_layout = std::move(layout);
    update();
}

void frmLeggio::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!m_layout)
        return;
    const QMargins margin = margins();
    painter.translate(margin.left(), margin.top());
    m_layout->paint(painter, m_layout->pageOf(m_place.song(), m_place.page()), m_place.footer(),
                    palette().color(QPalette::Text));
}

void frmLeggio::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void frmLeggio::keyPressEvent(QKeyEvent* event)
{
    if (const auto action = ReadingKeys::lookup(event->key(), event->modifiers()))
        act(*action);
    else
        QWidget::keyPressEvent(event);
}

void frmLeggio::act(ReadingKeys::Action action)
{
    using enum ReadingKeys::Action;
    switch (action) {
    case Larger:
        m_zoom = TextZoom::apply(m_zoom, TextZoom::Step::Larger);
        break;
    case Smaller:
        m_zoom = TextZoom::apply(m_zoom, TextZoom::Step::Smaller);
        break;
    case NormalSize:
        m_zoom = TextZoom::kNormal;
        break;
    case ToggleSide:
        m_sides = !m_sides;
        break;
    case Close:
        close();
        return;
    default:
        if (m_place.turn(action)) {
            m_anchor.reset();
            update();
        }
        return;
    }
    layOut();
}

void frmLeggio::mouseMoveEvent(QMouseEvent* event)
{
    unsetCursor();
    m_idle.start();
    QWidget::mouseMoveEvent(event);
}

// The desktop's colours, light or dark, as they change.
void frmLeggio::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

void frmLeggio::closeEvent(QCloseEvent* event)
{
    m_idle.stop();
    event->accept();
    Q_EMIT closed();
}

} // namespace vastrel::ui
