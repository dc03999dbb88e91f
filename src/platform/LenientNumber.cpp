#include "LenientNumber.h"

#include <QByteArray>
#include <charconv>
#include <limits>

namespace vastrel::platform {

namespace {

// The characters of the text with the skipped blanks taken out, read one at a time.
class Scanner
{
public:
    explicit Scanner(QStringView text) : m_text(text) { skip(); }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos].toUpper(); }
    void next()
    {
        ++m_pos;
        skip();
    }
    bool take(char16_t c)
    {
        if (peek() != c)
            return false;
        next();
        return true;
    }

private:
    void skip()
    {
        while (!atEnd() &&
               (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t' || m_text[m_pos] == u'\n'))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

int digitValue(QChar c, int base)
{
    const int d = c.isDigit()                ? c.digitValue()
                  : (c >= u'A' && c <= u'F') ? c.unicode() - u'A' + 10
                                             : 99;
    return d < base ? d : -1;
}

// "&H" and "&O" integers: up to 16 bits they read as a signed 16-bit value, up to 32 bits
// as a signed 32-bit value (so "&HFFFF" is -1). Longer values are no number.
double readRadix(Scanner& s, int base)
{
    quint64 value = 0;
    for (int d; (d = digitValue(s.peek(), base)) >= 0; s.next()) {
        value = value * quint64(base) + quint64(d);
        if (value > 0xFFFFFFFFull)
            return 0;
    }
    if (value <= 0xFFFF)
        return double(qint16(quint16(value)));
    return double(qint32(quint32(value)));
}

// Locale-independent, and an exponent too large for a double gives an infinity of the
// number's sign rather than an error (the callers clamp it).
double toDouble(const QByteArray& number)
{
    const char* first = number.constData();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, number.constData() + number.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        const bool negative = *first == '-';
        const qsizetype e = number.indexOf('e');
        const bool tiny = e >= 0 && number.at(e + 1) == '-';
        if (tiny)
            return 0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

void takeDigits(Scanner& s, QByteArray& out)
{
    while (s.peek().isDigit() && s.peek().unicode() < 0x80) {
        out.append(char(s.peek().unicode()));
        s.next();
    }
}

double readDecimal(Scanner& s)
{
    QByteArray number;
    if (s.peek() == u'+' || s.peek() == u'-') {
        number.append(char(s.peek().unicode()));
        s.next();
    }
    const qsizetype before = number.size();
    takeDigits(s, number);
    if (s.take(u'.')) {
        number.append('.');
        takeDigits(s, number);
    }
    const bool noDigits =
        number.size() == before || (number.endsWith('.') && number.size() == before + 1);
    if (noDigits)
        return 0;
    if (s.peek() == u'E' || s.peek() == u'D') {
        QByteArray exponent("e");
        s.next();
        if (s.peek() == u'+' || s.peek() == u'-') {
            exponent.append(char(s.peek().unicode()));
            s.next();
        }
        const qsizetype digitsAt = exponent.size();
        takeDigits(s, exponent);
        if (exponent.size() > digitsAt)
            number += exponent;
    }
    return toDouble(number);
}

} // namespace

double LenientNumber::read(QStringView text)
{
    Scanner s(text);
    if (s.take(u'&')) {
        if (s.take(u'H'))
            return readRadix(s, 16);
        if (s.take(u'O'))
            return readRadix(s, 8);
        return 0;
    }
    return readDecimal(s);
}

} // namespace vastrel::platform
