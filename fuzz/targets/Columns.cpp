// Tronca and Affianca on a text and a side block read from any bytes.
#include "FuzzTargets.h"
#include "platform/TextDecoder.h"
#include "texts/TwoColumns.h"

#include <QStringList>
#include <algorithm>

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

QString sorted(QString text)
{
    std::sort(text.begin(), text.end());
    return text;
}

// Rows whose cells all fit side by side, as those of 34 characters or fewer do on any screen,
// come out as one line each, the side block in a column of its own.
void checkAligned(const QStringList& left, const QStringList& right, const QStringList& lines)
{
    check(lines.size() == std::max(left.size(), right.size()), "a row that fits is one line");
    qsizetype column = -1;
    for (qsizetype r = 0; r < lines.size(); ++r) {
        const QString& line = lines.at(r);
        const QString cell = r < left.size() ? left.at(r) : QString();
        const QString side = r < right.size() ? right.at(r) : QString();
        check(line.startsWith(cell), "the text's line comes first");
        if (side.isEmpty()) {
            check(nonBlank(QStringView(line).sliced(cell.size())).isEmpty(), "then blanks only");
            continue;
        }
        check(line.endsWith(side), "the side block's line comes last");
        const qsizetype at = line.size() - side.size();
        check(column < 0 || at == column, "the side block's lines start in one column");
        column = at;
        check(at > cell.size() &&
                  nonBlank(QStringView(line).sliced(cell.size(), at - cell.size())).isEmpty(),
              "blanks keep the columns apart");
    }
}

void checkAffianca(const QString& A, const QString& B, bool narrow)
{
    const QString out = texts::TwoColumns::Affianca(A, B, narrow);
    const QStringList left = cells(A), right = cells(B), lines = cells(out);
    check(out.isEmpty() || out.endsWith(kCrLf), "every output line ends with CR LF");
    check(out.isEmpty() == (left.isEmpty() && right.isEmpty()), "every row gives output");
    check(lines.size() >= std::max(left.size(), right.size()), "a row takes at least one line");
    // Two columns of at most 44 characters and the blanks between them.
    for (const QString& line : lines)
        check(line.size() <= 2 * 44 + 3, "a line fits the pane's two columns");
    const QString shown = nonBlank(lines.join(QString()));
    check(sorted(shown) == sorted(nonBlank(left.join(QString()) + right.join(QString()))),
          "the text and the side block lose no character and gain none");
    if (right.isEmpty())
        check(shown == nonBlank(left.join(QString())), "the text keeps its order");
    const auto fits = [](const QString& cell) { return cell.size() <= 34; };
    if (std::all_of(left.cbegin(), left.cend(), fits) &&
        std::all_of(right.cbegin(), right.cend(), fits))
        checkAligned(left, right, lines);
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
    checkAffianca(A, QString(), narrow);
}

} // namespace vastrel::fuzz
