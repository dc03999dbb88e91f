#include "TextLines.h"

#include "TabColumns.h"

#include <algorithm>

namespace vastrel::texts {

TextLines::TextLines() : m_starts{0} {}

void TextLines::setText(const QString& text, int wrapColumns)
{
    m_text = text;
    m_wrapColumns = wrapColumns;
    index();
}

void TextLines::setWrapColumns(int columns)
{
    if (columns == m_wrapColumns)
        return;
    m_wrapColumns = columns;
    index();
}

void TextLines::index()
{
    m_starts.clear();
    m_starts.push_back(0);
    if (m_wrapColumns > 0) {
        qsizetype start = 0;
        for (qsizetype brk; (brk = m_text.indexOf(u'\n', start)) >= 0; start = brk + 1) {
            wrap(start, brk);
            m_starts.push_back(int(brk + 1));
        }
        wrap(start, m_text.size());
        m_widest = 0;
        for (int line = 0; line < lineCount(); ++line)
            m_widest = std::max(m_widest, TabColumns::width(this->line(line)));
        return;
    }
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

// Breaks the line [start, end) into lines of at most the wrap columns, each at a blank: the
// last one before the first character that does not fit, or else the first one after it.
void TextLines::wrap(qsizetype start, qsizetype end)
{
    const auto blankAt = [](QStringView rest, qsizetype from, bool backwards) {
        const qsizetype space = backwards ? rest.lastIndexOf(u' ', from) : rest.indexOf(u' ', from);
        const qsizetype tab = backwards ? rest.lastIndexOf(u'\t', from) : rest.indexOf(u'\t', from);
        if (space < 0 || tab < 0)
            return std::max(space, tab);
        return backwards ? std::max(space, tab) : std::min(space, tab);
    };
    for (;;) {
        const QStringView rest = QStringView(m_text).sliced(start, end - start);
        const qsizetype cut = TabColumns::cellAt(rest, m_wrapColumns).index;
        if (cut >= rest.size())
            return;
        qsizetype blank = blankAt(rest, cut, true);
        if (blank <= 0)
            blank = blankAt(rest, cut + 1, false);
        // A blank at the line's start or end would only make an empty line.
        if (blank <= 0 || blank + 1 >= rest.size())
            return;
        start += blank + 1;
        m_starts.push_back(int(start));
    }
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
