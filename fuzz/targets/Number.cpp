// The lenient number reading on any text.
#include "FuzzTargets.h"
#include "platform/LenientNumber.h"

#include <QString>
#include <cmath>

namespace vastrel::fuzz {

namespace {

bool skipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// For a text that is a plain decimal number (sign, digits, point, digits, then anything but
// an exponent), the number of digits before its point; -1 for any other text.
qsizetype plainIntegerDigits(const QString& s)
{
    if (s.startsWith(u'&'))
        return -1;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    const auto isDigit = [&s](qsizetype k) { return k < s.size() && s[k] >= u'0' && s[k] <= u'9'; };
    const qsizetype start = i;
    while (isDigit(i))
        ++i;
    const qsizetype digits = i - start;
    if (i < s.size() && s[i] == u'.')
        ++i;
    while (isDigit(i))
        ++i;
    const QChar after = i < s.size() ? s[i].toUpper() : QChar();
    return after == u'E' || after == u'D' ? -1 : digits;
}

} // namespace

void number(QByteArrayView data)
{
    // Any UTF-16 text: the bytes taken two by two (a last odd byte is dropped).
    const QString text(reinterpret_cast<const QChar*>(data.data()), data.size() / 2);
    const double value = platform::LenientNumber::read(text);
    check(!std::isnan(value), "a number is never NaN");

    // Blanks, tabs and line feeds are skipped anywhere.
    QString packed = text;
    packed.removeIf(skipped);
    check(platform::LenientNumber::read(packed) == value, "skipped characters change nothing");

    // Letters are read without regard to case.
    QString lower = packed;
    for (QChar& c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    check(platform::LenientNumber::read(lower) == value, "letter case changes nothing");

    // Without an exponent a number is below 10 to the number of its whole digits (rounding
    // may reach that power itself).
    const qsizetype digits = plainIntegerDigits(packed);
    if (digits >= 0 && digits < 300)
        check(std::fabs(value) <= std::pow(10.0, double(digits)) * (1 + 1e-15),
              "a number without exponent is smaller than its whole digits allow");
}

} // namespace vastrel::fuzz
