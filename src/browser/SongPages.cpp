#include "SongPages.h"

#include "texts/TabColumns.h"
#include "texts/TwoColumns.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace vastrel::browser {

SongPages::SongPages(const QStringList& gridLines, qsizetype columns, int linesPerPage)
    : m_linesPerPage(std::max(linesPerPage, 1))
{
    const qsizetype fitting = std::max<qsizetype>(columns, 1);
    for (int source = 0; source < gridLines.size(); ++source) {
        for (const QString& line : texts::TwoColumns::wrapLine(gridLines[source], fitting)) {
            m_lines.append(line);
            m_source.append(source);
        }
    }
}

QStringList SongPages::gridLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines;
    for (const QString& line : text.split(lineBreak)) {
        QString expanded;
        texts::TabColumns::expand(line, 0, line.size(), 0, expanded);
        lines.append(expanded);
    }
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

qsizetype SongPages::widest(const QStringList& lines)
{
    qsizetype columns = 0;
    for (const QString& line : lines)
        columns = std::max(columns, line.size());
    return columns;
}

// The first guess scales the largest size down in proportion; hinting makes the advance
// only nearly proportional, so the guess is checked and lowered while it does not fit.
double SongPages::fittingSize(qsizetype columns, double width, double smallest, double largest,
                              const std::function<double(double)>& advance)
{
    const auto cells = double(std::max<qsizetype>(columns, 1));
    double size = std::max(largest, smallest);
    if (cells * advance(size) <= width)
        return size;
    size = std::floor(2 * size * width / (cells * advance(size))) / 2;
    size = std::max(size, smallest);
    while (size > smallest && cells * advance(size) > width)
        size = std::max(size - 0.5, smallest);
    return size;
}

// An empty song still shows its heading on one page.
int SongPages::pageCount() const
{
    return std::max(1, int((m_lines.size() + m_linesPerPage - 1) / m_linesPerPage));
}

int SongPages::firstLine(int page) const
{
    return std::clamp(page, 0, pageCount() - 1) * m_linesPerPage;
}

int SongPages::endLine(int page) const
{
    return std::min(firstLine(page) + m_linesPerPage, int(m_lines.size()));
}

int SongPages::sourceLineOf(int page) const
{
    const int line = firstLine(page);
    return line < m_source.size() ? m_source[line] : 0;
}

int SongPages::pageOf(int sourceLine) const
{
    const auto at = std::lower_bound(m_source.cbegin(), m_source.cend(), sourceLine);
    if (at == m_source.cend())
        return pageCount() - 1;
    return int(at - m_source.cbegin()) / m_linesPerPage;
}

} // namespace vastrel::browser
