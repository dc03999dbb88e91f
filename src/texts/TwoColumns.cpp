#include "TwoColumns.h"

#include "platform/Blanks.h"

namespace vastrel::texts {

using platform::Blanks;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

qsizetype leadingBlanks(QStringView cell)
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
QList<QStringView> TwoColumns::lines(QStringView text)
{
    QList<QStringView> out;
    qsizetype start = 0;
    for (qsizetype cr = 0; (cr = text.indexOf(u'\r', cr)) >= 0;) {
        if (cr + 1 < text.size() && text[cr + 1] == u'\n') {
            out.append(text.sliced(start, cr - start));
            start = cr + 2;
        }
        ++cr;
    }
    if (start < text.size())
        out.append(text.sliced(start));
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
    const QList<QStringView> leftCells = lines(A);
    const QList<QStringView> rightCells = lines(B);
    qsizetype W = 0;
    for (const QList<QStringView>* cells : {&leftCells, &rightCells}) {
        for (const QStringView cell : *cells)
            W = std::max(W, cell.size());
    }
    qsizetype gap = 3;
    if (W > 43)
        W = 44, gap = 2;
    if (W > 34 && narrowScreen)
        W = 34;
    QString output;
    const qsizetype rows = std::max(leftCells.size(), rightCells.size());
    // Room for every row that fits its columns.
    output.reserve(rows * (2 * W + gap + kCrLf.size()));
    for (qsizetype r = 0; r < rows; ++r) {
        const QStringView left = r < leftCells.size() ? leftCells[r] : QStringView();
        const QStringView right = r < rightCells.size() ? rightCells[r] : QStringView();
        if (left.size() <= W && right.size() <= W) {
            output += left;
            output.resize(output.size() + W + gap - left.size(), u' ');
            output += right;
            output += kCrLf;
        } else {
            output += wrapRow(left.toString(), right.toString(), W, gap);
        }
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
