#include "TabColumns.h"

#include <cmath>

namespace vastrel::texts {

int TabColumns::columnOf(QStringView line, qsizetype index)
{
    const QStringView head = line.first(index);
    int column = 0;
    qsizetype pos = 0;
    for (qsizetype tab; (tab = head.indexOf(u'\t', pos)) >= 0; pos = tab + 1)
        column = nextStop(column + int(tab - pos));
    return column + int(index - pos);
}

int TabColumns::width(QStringView line)
{
    return columnOf(line, line.size());
}

TabColumns::Cell TabColumns::cellAt(QStringView line, int column)
{
    int col = 0;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype tab = line.indexOf(u'\t', pos);
        const qsizetype runEnd = tab < 0 ? line.size() : tab;
        if (column < col + runEnd - pos)
            return {pos + (column - col), column};
        col += int(runEnd - pos);
        if (tab < 0)
            return {line.size(), col};
        const int stop = nextStop(col);
        if (column < stop)
            return {tab, col};
        col = stop;
        pos = tab + 1;
    }
}

qsizetype TabColumns::boundaryNear(QStringView line, double column)
{
    if (column <= 0)
        return 0;
    const Cell cell = cellAt(line, int(std::floor(column)));
    if (cell.index >= line.size())
        return line.size();
    const int cells = line[cell.index] == u'\t' ? nextStop(cell.column) - cell.column : 1;
    return column - cell.column > cells / 2.0 ? cell.index + 1 : cell.index;
}

void TabColumns::expand(QStringView line, qsizetype from, qsizetype to, int column, QString& out)
{
    qsizetype pos = from;
    for (qsizetype tab; pos < to && (tab = line.indexOf(u'\t', pos)) >= 0 && tab < to;
         pos = tab + 1) {
        out.append(line.sliced(pos, tab - pos));
        column += int(tab - pos);
        const int stop = nextStop(column);
        out.resize(out.size() + (stop - column), u' ');
        column = stop;
    }
    if (pos < to)
        out.append(line.sliced(pos, to - pos));
}

} // namespace vastrel::texts
