#pragma once

#include <QString>

namespace vastrel::texts {

// Where the characters of one line stand on a fixed-pitch grid: a tab takes the columns up to
// the next multiple of 8, every other character one column. A tab still counts as one
// character for positions, so a position and its column differ once a line holds a tab.
// Runs without tabs are skipped whole, so a long line costs a search for its tabs, not a
// step per character.
class TabColumns
{
public:
    static constexpr int kTabStop = 8;

    // A character of a line and the column where it starts.
    struct Cell
    {
        qsizetype index;
        int column;
    };

    // The column where character index starts; index may be line.size() (the line's end).
    static int columnOf(QStringView line, qsizetype index);
    // The columns the whole line takes.
    static int width(QStringView line);
    // The character whose cells hold column; past the line's end, line.size() and the width.
    static Cell cellAt(QStringView line, int column);
    // The character boundary nearest to a fractional column, as a click places a caret.
    static qsizetype boundaryNear(QStringView line, double column);
    // Appends the characters [from, to) of line to out with tabs turned into blanks; the
    // character at from starts at column.
    static void expand(QStringView line, qsizetype from, qsizetype to, int column, QString& out);

private:
    static int nextStop(int column) { return (column / kTabStop + 1) * kTabStop; }
};

} // namespace vastrel::texts
