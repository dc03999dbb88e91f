#include "PlainTextView.h"

#include "PlainTextAccessible.h"
#include "PlainTextKeys.h"
#include "PlainTextPainter.h"
#include "texts/TabColumns.h"
#include "texts/TextWords.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <algorithm>
#include <cmath>

namespace vastrel::ui {

using texts::CaretMotion;
using texts::TabColumns;
using Move = CaretMotion::Move;

namespace {

constexpr int kAutoScrollMs = 50;

bool isPageMove(Move motion)
{
    return motion == Move::PreviousPage || motion == Move::NextPage;
}

} // namespace

PlainTextView::PlainTextView(QWidget* parent) : QAbstractScrollArea(parent)
{
    PlainTextAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    applyFont();
}

void PlainTextView::setText(const QString& text, bool wrap)
{
    const QString old = m_lines.text();
    m_wrap = wrap;
    m_lines.setText(text, wrapColumns());
    const bool hadSelection = m_anchor != m_caret;
    m_anchor = m_caret = 0;
    m_goalColumn = -1;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    restartBlinking();
    viewport()->update();
    PlainTextAccessible::textReplaced(this, old);
    Q_EMIT textChanged();
    if (hadSelection)
        Q_EMIT selectionChanged();
}

QString PlainTextView::selectedText() const
{
    return text().mid(selectionStart(), selectionLength());
}

void PlainTextView::setSelection(int start, int length)
{
    const int size = m_lines.size();
    const int anchor = std::clamp(start, 0, size);
    const int caret = int(std::clamp<qint64>(qint64(start) + length, 0, size));
    select(anchor, caret);
    m_goalColumn = -1;
    ensureVisible(anchor);
    ensureVisible(caret);
}

void PlainTextView::selectAll()
{
    select(0, m_lines.size());
}

void PlainTextView::copy() const
{
    if (selectionLength() > 0)
        QGuiApplication::clipboard()->setText(selectedText());
}

void PlainTextView::ensureVisible(int position)
{
    reveal(position, viewport()->width() / 4);
}

// Vertically the smallest scroll that brings the caret before position into view;
// horizontally the caret lands slack pixels inside the edge it was beyond, so that the text
// around it shows too (a caret near a line's start scrolls back to the start).
void PlainTextView::reveal(int position, int slack)
{
    position = std::clamp(position, 0, m_lines.size());
    const int line = m_lines.lineOf(position);
    QScrollBar* vertical = verticalScrollBar();
    if (line < vertical->value())
        vertical->setValue(line);
    else if (line >= vertical->value() + m_geometry.fullLines())
        vertical->setValue(line - m_geometry.fullLines() + 1);

    const QRect caret = cursorRect(position);
    const int width = viewport()->width();
    QScrollBar* horizontal = horizontalScrollBar();
    if (caret.left() < TextViewGeometry::kMargin)
        horizontal->setValue(horizontal->value() + caret.left() - slack);
    else if (caret.right() >= width - TextViewGeometry::kMargin)
        horizontal->setValue(horizontal->value() + caret.right() - width + slack);
}

QRect PlainTextView::cursorRect(int position) const
{
    return PlainTextPainter::caretRect(m_lines, m_geometry,
                                       std::clamp(position, 0, m_lines.size()));
}

int PlainTextView::positionAt(const QPoint& point) const
{
    const int line = std::clamp(m_geometry.lineAt(point.y()), 0, m_lines.lineCount() - 1);
    return m_lines.lineStart(line) +
           int(TabColumns::boundaryNear(m_lines.line(line), m_geometry.columnAt(point.x())));
}

// The character under a point, for a double-click: past a line's end, the line's end.
int PlainTextView::characterAt(const QPoint& point) const
{
    const int line = std::clamp(m_geometry.lineAt(point.y()), 0, m_lines.lineCount() - 1);
    const int column = std::max(0, int(std::floor(m_geometry.columnAt(point.x()))));
    return m_lines.lineStart(line) + int(TabColumns::cellAt(m_lines.line(line), column).index);
}

void PlainTextView::select(int anchor, int caret)
{
    const bool changed = anchor != m_anchor || caret != m_caret;
    m_anchor = anchor;
    m_caret = caret;
    restartBlinking();
    viewport()->update();
    if (!changed)
        return;
    PlainTextAccessible::selectionMoved(this);
    Q_EMIT selectionChanged();
}

bool PlainTextView::event(QEvent* event)
{
    // Keys that the view handles are not shortcuts of the window, as in any text view.
    if (event->type() == QEvent::ShortcutOverride &&
        PlainTextKeys::actionFor(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

// Keys that do nothing here go on to the parents: typing changes nothing.
void PlainTextView::keyPressEvent(QKeyEvent* event)
{
    const std::optional<PlainTextKeys::Action> action = PlainTextKeys::actionFor(event);
    if (!action) {
        event->ignore();
        return;
    }
    switch (action->command) {
    case PlainTextKeys::Command::Copy:
        copy();
        break;
    case PlainTextKeys::Command::SelectAll:
        selectAll();
        break;
    case PlainTextKeys::Command::Move:
        move(action->motion, action->extend);
        break;
    }
}

void PlainTextView::move(Move motion, bool extend)
{
    CaretMotion::Caret target;
    // Left and Right first collapse a selection onto its edge, as text fields do.
    if (!extend && m_anchor != m_caret && motion == Move::PreviousChar)
        target.position = selectionStart();
    else if (!extend && m_anchor != m_caret && motion == Move::NextChar)
        target.position = selectionStart() + selectionLength();
    else
        target =
            CaretMotion::apply(m_lines, {m_caret, m_goalColumn}, motion, m_geometry.fullLines());
    // A page key scrolls by as many lines as the caret moved, so that the caret keeps its
    // place in the viewport.
    if (isPageMove(motion)) {
        QScrollBar* vertical = verticalScrollBar();
        vertical->setValue(vertical->value() + m_lines.lineOf(target.position) -
                           m_lines.lineOf(m_caret));
    }
    select(extend ? m_anchor : target.position, target.position);
    m_goalColumn = target.goalColumn;
    ensureVisible(m_caret);
}

void PlainTextView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const bool tripleClick =
        m_sinceDoubleClick.isValid() &&
        m_sinceDoubleClick.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval() &&
        (at - m_doubleClickPoint).manhattanLength() < QApplication::startDragDistance();
    m_sinceDoubleClick.invalidate();
    if (tripleClick) {
        const int line = m_lines.lineOf(positionAt(at));
        select(m_lines.lineStart(line), m_lines.lineEnd(line));
        return;
    }
    const int position = positionAt(at);
    select(event->modifiers() & Qt::ShiftModifier ? m_anchor : position, position);
    m_goalColumn = -1;
    m_dragging = true;
    m_dragPoint = at;
    reveal(m_caret, TextViewGeometry::kMargin + 1);
}

void PlainTextView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    dragTo(event->position().toPoint());
    if (viewport()->rect().contains(m_dragPoint))
        m_autoScroll.stop();
    else if (!m_autoScroll.isActive())
        m_autoScroll.start(kAutoScrollMs, this);
}

void PlainTextView::dragTo(const QPoint& point)
{
    m_dragPoint = point;
    select(m_anchor, positionAt(point));
    // No slack: the text follows the pointer as far as it goes, not a quarter further.
    reveal(m_caret, TextViewGeometry::kMargin + 1);
}

// While the button is held outside the viewport, the text scrolls towards the pointer and the
// selection follows it.
void PlainTextView::autoScroll()
{
    const QRect area = viewport()->rect();
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    if (m_dragPoint.y() < area.top())
        vertical->setValue(vertical->value() - 1);
    else if (m_dragPoint.y() > area.bottom())
        vertical->setValue(vertical->value() + 1);
    if (m_dragPoint.x() < area.left())
        horizontal->setValue(horizontal->value() - horizontal->singleStep());
    else if (m_dragPoint.x() > area.right())
        horizontal->setValue(horizontal->value() + horizontal->singleStep());
    dragTo(m_dragPoint);
}

void PlainTextView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    m_autoScroll.stop();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (selectionLength() > 0 && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void PlainTextView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const texts::TextWords::Range word = texts::TextWords::wordAt(text(), characterAt(at));
    select(int(word.start), int(word.end));
    m_goalColumn = -1;
    m_sinceDoubleClick.start();
    m_doubleClickPoint = at;
}

void PlainTextView::focusInEvent(QFocusEvent* event)
{
    restartBlinking();
    QAbstractScrollArea::focusInEvent(event);
}

void PlainTextView::focusOutEvent(QFocusEvent* event)
{
    m_blink.stop();
    m_caretShown = false;
    updateCaret();
    QAbstractScrollArea::focusOutEvent(event);
}

// A caret that just moved shows at once and stays for a whole blink.
void PlainTextView::restartBlinking()
{
    m_blink.stop();
    m_caretShown = hasFocus();
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (m_caretShown && flash > 0)
        m_blink.start(flash / 2, this);
    updateCaret();
}

void PlainTextView::updateCaret()
{
    viewport()->update(cursorRect(m_caret).adjusted(-1, 0, 1, 0));
}

void PlainTextView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_blink.timerId()) {
        m_caretShown = !m_caretShown;
        updateCaret();
    } else if (event->timerId() == m_autoScroll.timerId()) {
        autoScroll();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void PlainTextView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setFont(m_paintFont);
    PlainTextPainter lines(painter, m_lines, m_geometry, palette());
    lines.paintLines(event->rect(), selectionStart(), selectionStart() + selectionLength());
    if (m_caretShown)
        lines.paintCaret(m_caret);
}

void PlainTextView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PlainTextView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        applyFont();
    QAbstractScrollArea::changeEvent(event);
}

// The column at the left edge stays there, as the line at the top does.
void PlainTextView::applyFont()
{
    QScrollBar* horizontal = horizontalScrollBar();
    const double column = horizontal->value() / m_geometry.charWidth();
    // Kerning would pull characters off the grid that selection and caret are drawn on.
    m_paintFont = font();
    m_paintFont.setKerning(false);
    m_geometry.setFont(m_paintFont);
    updateScrollBars();
    horizontal->setValue(int(std::lround(column * m_geometry.charWidth())));
    viewport()->update();
}

void PlainTextView::scrollContentsBy(int, int)
{
    syncGeometry();
    viewport()->update();
}

int PlainTextView::wrapColumns() const
{
    return m_wrap ? m_geometry.columnsFitting() : 0;
}

// Vertical scrolling counts lines, horizontal scrolling pixels. Wrapped lines follow the
// viewport's width, and the text that was at the top stays there.
void PlainTextView::updateScrollBars()
{
    m_geometry.setViewport(viewport()->size());
    QScrollBar* vertical = verticalScrollBar();
    const int columns = wrapColumns();
    const bool rewrap = columns != m_lines.wrapColumns();
    const int top = m_lines.lineStart(std::clamp(vertical->value(), 0, m_lines.lineCount() - 1));
    if (rewrap)
        m_lines.setWrapColumns(columns);
    const int page = m_geometry.fullLines();
    vertical->setRange(0, std::max(0, m_lines.lineCount() - page));
    vertical->setPageStep(page);
    vertical->setSingleStep(1);
    const int width = viewport()->width();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, m_geometry.contentWidth(m_lines.widestColumns()) - width));
    horizontal->setPageStep(width);
    horizontal->setSingleStep(std::max(1, int(2 * m_geometry.charWidth())));
    if (rewrap)
        vertical->setValue(m_lines.lineOf(top));
    syncGeometry();
}

void PlainTextView::syncGeometry()
{
    m_geometry.setScroll(verticalScrollBar()->value(), horizontalScrollBar()->value());
}

} // namespace vastrel::ui
