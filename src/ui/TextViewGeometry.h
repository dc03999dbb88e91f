#pragma once

#include <QFont>
#include <QSize>

namespace vastrel::ui {

// Where the lines and columns of a fixed-pitch text fall in a view's viewport: one cell per
// column, one row per line, a small margin, and the scroll bars' values (the first line on
// show and the horizontal offset in pixels). The view keeps one and updates it when the font,
// the viewport's size or a scroll bar changes, so that painting, hit testing and scrolling
// read the same numbers.
class TextViewGeometry
{
public:
    static constexpr int kMargin = 4;

    void setFont(const QFont& font);
    void setViewport(QSize size) { m_viewport = size; }
    void setScroll(int firstLine, int xOffset);

    double charWidth() const { return m_charWidth; }
    int lineHeight() const { return m_lineHeight; }
    int ascent() const { return m_ascent; }
    int firstLine() const { return m_firstLine; }
    QSize viewport() const { return m_viewport; }

    // Lines that fit whole in the viewport (at least 1, so that paging always moves).
    int fullLines() const;
    // The content's width in pixels for a widest line of the given columns, caret included.
    int contentWidth(int columns) const;
    // The most columns whose content width fits the viewport (at least 1).
    int columnsFitting() const;

    // Viewport coordinates of a column's left edge and of a line's top.
    double x(int column) const;
    int y(int line) const;
    // The line and the fractional column at a viewport point; either may lie outside the
    // text, the caller clamps.
    int lineAt(int y) const;
    double columnAt(int x) const;
    // The columns that the viewport shows, the partly shown ones included.
    int firstVisibleColumn() const;
    int lastVisibleColumn() const;

private:
    double m_charWidth = 8;
    int m_lineHeight = 16;
    int m_ascent = 12;
    int m_firstLine = 0;
    int m_xOffset = 0;
    QSize m_viewport;
};

} // namespace vastrel::ui
