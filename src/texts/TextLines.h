#pragma once

#include <QString>
#include <vector>

namespace vastrel::texts {

// A text and the start of each of its lines, found in one scan, so that a view can reach
// any line, or the line of any position, without looking at the text again. Lines end at
// "\n"; positions count characters, one per line break, as QString::indexOf does.
//
// Lines may also wrap at word boundaries: a line wider than the wrap columns is broken at
// the last blank that lets it fit, and that blank stands for the line break, so that every
// line still ends with one character that is not on show. A word wider than the wrap
// columns keeps a line of its own.
class TextLines
{
public:
    TextLines();

    // Shares the text (no copy) and indexes it: one search for line breaks, one for tabs;
    // with wrap columns (0: none), one more pass over the lines.
    void setText(const QString& text, int wrapColumns = 0);
    // Indexes the text again when the columns change.
    void setWrapColumns(int columns);
    int wrapColumns() const { return m_wrapColumns; }
    const QString& text() const { return m_text; }
    int size() const { return int(m_text.size()); }

    // At least 1: an empty text, and a text ending with a line break, end with an empty line.
    int lineCount() const { return int(m_starts.size()); }
    int lineStart(int line) const { return m_starts[std::size_t(line)]; }
    // The position of the line's break, or the text's end for the last line.
    int lineEnd(int line) const;
    QStringView line(int line) const;
    // The line that holds position; the end of a line belongs to it.
    int lineOf(int position) const;
    // The columns of the widest line, tabs expanded.
    int widestColumns() const { return m_widest; }

private:
    void index();
    void measureTabbedLines();
    void wrap(qsizetype start, qsizetype end);

    QString m_text;
    std::vector<int> m_starts;
    int m_widest = 0;
    int m_wrapColumns = 0;
};

} // namespace vastrel::texts
