#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QPalette;
class QRect;
class QRectF;

namespace vastrel::texts {
class TextLines;
}

namespace vastrel::ui {

class TextViewGeometry;

// Paints what a plain-text view shows of its text: only the lines in the exposed area and,
// of each, only the columns in the viewport, so that a very long text or line costs no more
// than a short one. Colours come from the palette (Base is the viewport's own background).
class PlainTextPainter
{
public:
    PlainTextPainter(QPainter& painter, const texts::TextLines& lines,
                     const TextViewGeometry& geometry, const QPalette& palette);

    // The selection is [selectionStart, selectionEnd); a selected line break shows as one
    // highlighted cell after its line.
    void paintLines(const QRect& exposed, int selectionStart, int selectionEnd);
    void paintCaret(int position);
    // The viewport rectangle of the caret before position.
    static QRect caretRect(const texts::TextLines& lines, const TextViewGeometry& geometry,
                           int position);

private:
    void paintLine(int line, int selectionStart, int selectionEnd);
    QRectF selectionRect(int line, int selectionStart, int selectionEnd) const;

    QPainter& m_painter;
    const texts::TextLines& m_lines;
    const TextViewGeometry& m_geometry;
    QColor m_text;
    QColor m_highlight;
    QColor m_highlightedText;
    // The shown part of a line with its tabs expanded; one buffer for every line painted.
    QString m_shown;
};

} // namespace vastrel::ui
