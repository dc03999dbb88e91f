#include "PlainTextPainter.h"

#include "TextViewGeometry.h"
#include "texts/TabColumns.h"
#include "texts/TextLines.h"

#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace vastrel::ui {

using texts::TabColumns;

namespace {

constexpr int kCaretWidth = 1;

} // namespace

PlainTextPainter::PlainTextPainter(QPainter& painter, const texts::TextLines& lines,
                                   const TextViewGeometry& geometry, const QPalette& palette)
    : m_painter(painter), m_lines(lines), m_geometry(geometry),
      m_text(palette.color(QPalette::Text)), m_highlight(palette.color(QPalette::Highlight)),
      m_highlightedText(palette.color(QPalette::HighlightedText))
{}

void PlainTextPainter::paintLines(const QRect& exposed, int selectionStart, int selectionEnd)
{
    const int last = m_lines.lineCount() - 1;
    const int from = std::clamp(m_geometry.lineAt(exposed.top()), 0, last);
    const int to = std::clamp(m_geometry.lineAt(exposed.bottom()), 0, last);
    for (int line = from; line <= to; ++line)
        paintLine(line, selectionStart, selectionEnd);
}

// The line is drawn once in the text colour; its selected part is then filled and drawn
// again in the highlighted colour, clipped to the selection, so that both runs lie exactly
// on the grid.
void PlainTextPainter::paintLine(int line, int selectionStart, int selectionEnd)
{
    const QStringView text = m_lines.line(line);
    const TabColumns::Cell first = TabColumns::cellAt(text, m_geometry.firstVisibleColumn());
    const TabColumns::Cell last = TabColumns::cellAt(text, m_geometry.lastVisibleColumn());
    m_shown.clear();
    TabColumns::expand(text, first.index, std::min(last.index + 1, text.size()), first.column,
                       m_shown);
    const QPointF origin(m_geometry.x(first.column), m_geometry.y(line) + m_geometry.ascent());
    m_painter.setPen(m_text);
    m_painter.drawText(origin, m_shown);

    const QRectF selected = selectionRect(line, selectionStart, selectionEnd);
    if (selected.isEmpty())
        return;
    m_painter.fillRect(selected, m_highlight);
    m_painter.save();
    m_painter.setClipRect(selected);
    m_painter.setPen(m_highlightedText);
    m_painter.drawText(origin, m_shown);
    m_painter.restore();
}

QRectF PlainTextPainter::selectionRect(int line, int selectionStart, int selectionEnd) const
{
    const int start = m_lines.lineStart(line);
    const int end = m_lines.lineEnd(line);
    if (selectionStart >= selectionEnd || selectionEnd <= start || selectionStart > end)
        return {};
    const QStringView text = m_lines.line(line);
    const int from = TabColumns::columnOf(text, std::max(selectionStart, start) - start);
    int to = TabColumns::columnOf(text, std::min(selectionEnd, end) - start);
    if (selectionEnd > end)
        ++to;
    const double left = std::max(m_geometry.x(from), 0.0);
    const double right = std::min(m_geometry.x(to), double(m_geometry.viewport().width()));
    if (right <= left)
        return {};
    return QRectF(left, m_geometry.y(line), right - left, m_geometry.lineHeight());
}

void PlainTextPainter::paintCaret(int position)
{
    m_painter.fillRect(caretRect(m_lines, m_geometry, position), m_text);
}

QRect PlainTextPainter::caretRect(const texts::TextLines& lines, const TextViewGeometry& geometry,
                                  int position)
{
    const int line = lines.lineOf(position);
    const int column = TabColumns::columnOf(lines.line(line), position - lines.lineStart(line));
    return QRect(int(geometry.x(column)), geometry.y(line), kCaretWidth, geometry.lineHeight());
}

} // namespace vastrel::ui
