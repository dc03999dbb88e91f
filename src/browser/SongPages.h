#pragma once

#include <QList>
#include <QStringList>
#include <functional>

namespace vastrel::browser {

// One song's text cut into pages, as the printed songbook and the reading view lay it out:
// its lines on the fixed-pitch grid, lines wider than the page wrapped at word boundaries as
// the pane's columns are, so many lines to a page, the first page under the song's heading.
// Widget-free: the page layout measures the font and the page, this counts.
class SongPages
{
public:
    SongPages() = default;
    // lines: the text's grid lines; columns and lines: what a page holds.
    SongPages(const QStringList& gridLines, qsizetype columns, int linesPerPage);

    // The lines of a text with tabs turned into blanks, so that the columns the pane shows
    // on its grid stay columns; empty lines at the end show nothing.
    static QStringList gridLines(const QString& text);
    static qsizetype widest(const QStringList& lines);
    // The largest size from largest down to smallest, in half points, at which columns cells
    // of advance(size) each fit width; smallest when none does. Fixed-pitch glyphs make a
    // line's width its columns times one advance.
    static double fittingSize(qsizetype columns, double width, double smallest, double largest,
                              const std::function<double(double size)>& advance);

    // The lines as the pages show them, wrapped.
    const QStringList& lines() const { return m_lines; }
    int linesPerPage() const { return m_linesPerPage; }
    int pageCount() const;
    // The first shown line of a page, and the one after its last.
    int firstLine(int page) const;
    int endLine(int page) const;
    // The line of the text whose part begins a page: the text a reader keeps in sight when
    // the song is laid out again at another size.
    int sourceLineOf(int page) const;
    // The page where a line of the text begins.
    int pageOf(int sourceLine) const;

private:
    QStringList m_lines;
    QList<int> m_source; // of each shown line, the line of the text it comes from
    int m_linesPerPage = 1;
};

} // namespace vastrel::browser
