#include "TextLines.h"

#include "TabColumns.h"

#include <algorithm>

namespace vastrel::texts {

TextLines::TextLines() : m_starts{0} {}

void TextLines::setText(const QString& text)
{
    m_text = text;
    m_starts.clear();
    m_starts.push_back(0);
    // Without tabs a line is as wide as it is long, so the widest line falls out of the
    // scan for line breaks; lines with tabs are measured afterwards.
    qsizetype widest = 0;
    qsizetype start = 0;
    for (qsizetype brk; (brk = m_text.indexOf(u'\n', start)) >= 0; start = brk + 1) {
        widest = std::max(widest, brk - start);
        m_starts.push_back(int(brk + 1));
    }
    m_widest = int(std::max(widest, m_text.size() - start));
    measureTabbedLines();
}

// Only lines that hold a tab are measured, each once, so the cost stays one pass.
void TextLines::measureTabbedLines()
{
    int line = 0;
    for (qsizetype tab = m_text.indexOf(u'\t'); tab >= 0;
         tab = m_text.indexOf(u'\t', lineEnd(line))) {
        line = lineOf(int(tab));
        m_widest = std::max(m_widest, TabColumns::width(this->line(line)));
    }
}

int TextLines::lineEnd(int line) const
{
    return line + 1 < lineCount() ? lineStart(line + 1) - 1 : size();
}

QStringView TextLines::line(int line) const
{
    const int start = lineStart(line);
    return QStringView(m_text).sliced(start, lineEnd(line) - start);
}

int TextLines::lineOf(int position) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    return int(after - m_starts.begin()) - 1;
}

} // namespace vastrel::texts
