// Tronca and Affianca on a text and a side block read from any bytes.
#include "FuzzTargets.h"
#include "platform/TextDecoder.h"
#include "texts/TwoColumns.h"

#include <QStringList>

namespace vastrel::fuzz {

namespace {

// The output grows with the input's lines times the column width; a few KB is plenty.
constexpr qsizetype kMaxInput = 4096;

const QString kCrLf = QStringLiteral("\r\n");

// The lines of a text without their CR LF; a last piece without one counts.
QStringList cells(const QString& text)
{
    QStringList out = text.split(kCrLf);
    if (out.last().isEmpty())
        out.removeLast();
    return out;
}

QString nonBlank(QStringView text)
{
    QString out;
    for (QChar c : text) {
        if (c != u' ')
            out += c;
    }
    return out;
}

void checkTronca(QStringView a, qsizetype l)
{
    const QString cut = texts::TwoColumns::Tronca(a, l);
    check(a.startsWith(cut), "Tronca keeps the start of its text");
    check(!cut.endsWith(u' '), "Tronca drops trailing blanks");
    // As the callers use it: the first l + 1 characters of a line.
    const QStringView head = a.first(std::min(a.size(), l + 1));
    const QString fit = texts::TwoColumns::Tronca(head, l);
    check(fit.size() <= l, "Tronca of l + 1 characters keeps at most l");
    if (l > 0 && !head.isEmpty() && !head.startsWith(u' '))
        check(!fit.isEmpty(), "Tronca of a text that starts with a word keeps something");
}

void checkAffianca(const QString& A, const QString& B, bool narrow)
{
    const QString out = texts::TwoColumns::Affianca(A, B, narrow);
    // The column width and gap as the rules compute them.
    const QStringList left = cells(A), right = cells(B);
    qsizetype W = 0;
    for (const QString& cell : left + right)
        W = std::max(W, cell.size());
    qsizetype gap = 3;
    if (W > 43)
        W = 44, gap = 2;
    if (W > 34 && narrow)
        W = 34;

    check(out.isEmpty() || out.endsWith(kCrLf), "every output line ends with CR LF");
    check(out.isEmpty() == (left.isEmpty() && right.isEmpty()), "every row gives output");
    QString leftColumn, rightColumn;
    const QStringList lines = cells(out);
    check(lines.size() >= std::max(left.size(), right.size()), "a row takes at least one line");
    for (const QString& line : lines) {
        check(line.size() <= 2 * W + gap, "a line holds at most two columns and the gap");
        check(line.size() >= W, "the left column is padded to its width");
        check(nonBlank(QStringView(line).sliced(W, std::min(gap, line.size() - W))).isEmpty(),
              "the gap is blank");
        leftColumn += nonBlank(QStringView(line).first(W));
        if (line.size() > W + gap)
            rightColumn += nonBlank(QStringView(line).sliced(W + gap));
    }
    check(leftColumn == nonBlank(left.join(QString())), "the text loses no character");
    check(rightColumn == nonBlank(right.join(QString())), "the side block loses no character");
}

} // namespace

void columns(QByteArrayView data)
{
    if (data.size() < 2 || data.size() > kMaxInput)
        return;
    const bool narrow = data[0] & 1;
    const qsizetype l = static_cast<unsigned char>(data[1]);
    // The text and the side block, read as the program reads files, split at the first NUL.
    const QString text = platform::TextDecoder::decode(data.sliced(2));
    const qsizetype nul = text.indexOf(QChar(0));
    const QString A = nul < 0 ? text : text.left(nul);
    const QString B = nul < 0 ? QString() : text.mid(nul + 1);

    checkTronca(A.left(A.indexOf(kCrLf)), l);
    checkAffianca(A, B, narrow);
    checkAffianca(B, A, !narrow);
}

} // namespace vastrel::fuzz
