#include "TwoColumns.h"

#include "platform/Blanks.h"

namespace vastrel::texts {

using platform::Blanks;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

qsizetype leadingBlanks(const QString& cell)
{
    qsizetype n = 0;
    while (n < cell.size() && cell[n] == u' ')
        ++n;
    return n;
}

} // namespace

QString TwoColumns::Tronca(QStringView a, qsizetype l)
{
    if (a.endsWith(u' ') || a.size() <= l)
        return Blanks::trimEnd(a);
    const QStringView rest = a.chopped(1);
    const qsizetype blank = rest.lastIndexOf(u' ');
    if (blank >= 0)
        return Blanks::trimEnd(rest.first(blank + 1));
    return rest.toString();
}

// The lines of a text, each without its CR LF; a last piece without one counts as a line.
QList<QString> TwoColumns::lines(const QString& text)
{
    QList<QString> out;
    qsizetype start = 0;
    for (qsizetype end; (end = text.indexOf(kCrLf, start)) >= 0; start = end + 2)
        out.append(text.mid(start, end - start));
    if (start < text.size())
        out.append(text.mid(start));
    return out;
}

// A pair of cells of which one is wider than the column: both wrap at word boundaries,
// continuation lines indented two more than the cell's own indentation.
QString TwoColumns::wrapRow(QString left, QString right, qsizetype W, qsizetype gap)
{
    const qsizetype indentL = std::min(leadingBlanks(left), W - 15);
    const qsizetype indentR = std::min(leadingBlanks(right), W - 15);
    QString out;
    // Each turn takes at least one character of a non-blank cell (the room is at least 13).
    for (bool first = true; !left.isEmpty() || !right.isEmpty(); first = false) {
        const qsizetype wL = first ? indentL : indentL + 2;
        left = Blanks::trim(left);
        const QString segL =
            Tronca(QStringView(left).first(std::min(left.size(), W - wL + 1)), W - wL);
        out += (QString(wL, u' ') + segL + QString(W, u' ')).left(W);
        left.remove(0, segL.size());

        const qsizetype wR = first ? indentR : indentR + 2;
        right = Blanks::trim(right);
        const QString segR =
            Tronca(QStringView(right).first(std::min(right.size(), W - wR + 1)), W - wR);
        if (!segR.isEmpty())
            out += QString(gap + wR, u' ') + segR;
        out += kCrLf;
        right.remove(0, segR.size());
    }
    return out;
}

QString TwoColumns::Affianca(const QString& A, const QString& B, bool narrowScreen)
{
    // The cells, and the widest of them.
    const QList<QString> leftCells = lines(A);
    const QList<QString> rightCells = lines(B);
    qsizetype W = 0;
    for (const QList<QString>* cells : {&leftCells, &rightCells}) {
        for (const QString& cell : *cells)
            W = std::max(W, cell.size());
    }
    qsizetype gap = 3;
    if (W > 43)
        W = 44, gap = 2;
    if (W > 34 && narrowScreen)
        W = 34;
    QString output;
    const qsizetype rows = std::max(leftCells.size(), rightCells.size());
    for (qsizetype r = 0; r < rows; ++r) {
        const QString left = r < leftCells.size() ? leftCells[r] : QString();
        const QString right = r < rightCells.size() ? rightCells[r] : QString();
        if (left.size() <= W && right.size() <= W)
            output += left + QString(W + gap - left.size(), u' ') + right + kCrLf;
        else
            output += wrapRow(left, right, W, gap);
    }
    return output;
}

QStringList TwoColumns::wrapLine(const QString& line, qsizetype width)
{
    if (line.size() <= width)
        return {line};
    const qsizetype indent = std::min(leadingBlanks(line), std::max<qsizetype>(width - 15, 0));
    QStringList out;
    QString rest = line;
    for (bool first = true;; first = false) {
        rest = Blanks::trim(rest);
        if (rest.isEmpty())
            break;
        const qsizetype w = first ? indent : indent + 2;
        const qsizetype room = std::max<qsizetype>(width - w, 1);
        const QString segment =
            Tronca(QStringView(rest).first(std::min(rest.size(), room + 1)), room);
        out.append(QString(w, u' ') + segment);
        rest.remove(0, segment.size());
    }
    if (out.isEmpty())
        out.append(QString());
    return out;
}

} // namespace vastrel::texts
