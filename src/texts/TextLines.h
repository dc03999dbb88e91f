#pragma once

#include <QString>
#include <vector>

namespace vastrel::texts {

// A text and the start of each of its lines, found in one scan, so that a view can reach
// any line, or the line of any position, without looking at the text again. Lines end at
// "\n"; positions count characters, one per line break, as QString::indexOf does.
class TextLines
{
public:
    TextLines();

    // Shares the text (no copy) and indexes it: one search for line breaks, one for tabs.
    void setText(const QString& text);
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
    void measureTabbedLines();

    QString m_text;
    std::vector<int> m_starts;
    int m_widest = 0;
};

} // namespace vastrel::texts
