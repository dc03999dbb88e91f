#include "TextViewGeometry.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace vastrel::ui {

void TextViewGeometry::setFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The advance that text shaping uses too, so that a run drawn at a cell's edge keeps to
    // the grid; any character will do in a fixed-pitch font.
    m_charWidth = std::max(1.0, QFontMetricsF(font).horizontalAdvance(u'M'));
    m_lineHeight = std::max(1, metrics.lineSpacing());
    m_ascent = metrics.ascent();
}

void TextViewGeometry::setScroll(int firstLine, int xOffset)
{
    m_firstLine = firstLine;
    m_xOffset = xOffset;
}

int TextViewGeometry::fullLines() const
{
    return std::max(1, (m_viewport.height() - kMargin) / m_lineHeight);
}

int TextViewGeometry::contentWidth(int columns) const
{
    return int(std::ceil(2 * kMargin + columns * m_charWidth)) + 1;
}

int TextViewGeometry::columnsFitting() const
{
    return std::max(1, int((m_viewport.width() - 2 * kMargin - 1) / m_charWidth));
}

double TextViewGeometry::x(int column) const
{
    return kMargin + column * m_charWidth - m_xOffset;
}

int TextViewGeometry::y(int line) const
{
    return kMargin + (line - m_firstLine) * m_lineHeight;
}

int TextViewGeometry::lineAt(int y) const
{
    return m_firstLine + int(std::floor(double(y - kMargin) / m_lineHeight));
}

double TextViewGeometry::columnAt(int x) const
{
    return (x - kMargin + m_xOffset) / m_charWidth;
}

int TextViewGeometry::firstVisibleColumn() const
{
    return std::max(0, int(std::floor(columnAt(0))));
}

int TextViewGeometry::lastVisibleColumn() const
{
    return std::max(0, int(std::floor(columnAt(m_viewport.width()))));
}

} // namespace vastrel::ui
