#include "RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace vastrel::texts {

namespace {

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isIgnoredUnit(char16_t c)
{
    return c == u'\r' || c == u'\n' || c == 0;
}

bool endsText(char16_t c)
{
    return c == u'\\' || c == u'{' || c == u'}' || isIgnoredUnit(c);
}

} // namespace

RtfTokenizer::RtfTokenizer(QStringView units) : m_in(units) {}

RtfToken RtfTokenizer::next()
{
    while (!atEnd() && isIgnoredUnit(peek()))
        ++m_pos;
    RtfToken token;
    if (atEnd())
        return token;
    switch (peek()) {
    case u'{':
        ++m_pos;
        token.kind = RtfToken::Kind::GroupStart;
        return token;
    case u'}':
        ++m_pos;
        token.kind = RtfToken::Kind::GroupEnd;
        return token;
    case u'\\':
        ++m_pos;
        return readControl();
    default:
        return readText();
    }
}

RtfToken RtfTokenizer::readControl()
{
    RtfToken token;
    if (atEnd())
        return token; // a lone backslash at the very end
    const char16_t c = peek();
    if (isLetter(c))
        return readWord();
    ++m_pos;
    if (c == u'\'')
        return readHexByte();
    token.kind = RtfToken::Kind::Symbol;
    token.symbol = c;
    return token;
}

RtfToken RtfTokenizer::readWord()
{
    RtfToken token;
    token.kind = RtfToken::Kind::Word;
    qsizetype length = 0;
    bool tooLong = false;
    while (!atEnd() && isLetter(peek())) {
        if (length < RtfLimits::maxWordLength)
            m_word[length++] = char(peek());
        else
            tooLong = true;
        ++m_pos;
    }
    if (!tooLong)
        token.word = std::string_view(m_word, size_t(length));
    token.parameter = readParameter(token.hasParameter);
    if (peek() == u' ')
        ++m_pos; // the delimiter belongs to the word
    if (token.word == "bin") {
        // Binary data is never allocated: it is only stepped over.
        const qsizetype left = m_in.size() - m_pos;
        const qsizetype skip =
            token.hasParameter ? std::clamp<qsizetype>(token.parameter, 0, left) : 0;
        m_pos += skip;
        token.kind = RtfToken::Kind::Binary;
    }
    return token;
}

qint32 RtfTokenizer::readParameter(bool& found)
{
    const bool negative =
        peek() == u'-' && m_pos + 1 < m_in.size() && isDigit(m_in[m_pos + 1].unicode());
    if (negative)
        ++m_pos;
    found = isDigit(peek());
    qint64 value = 0;
    int digits = 0;
    while (!atEnd() && isDigit(peek())) {
        if (digits < RtfLimits::maxParameterDigits)
            value = value * 10 + (peek() - u'0');
        ++digits;
        ++m_pos;
    }
    if (negative)
        value = -value;
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

RtfToken RtfTokenizer::readHexByte()
{
    RtfToken token;
    int value = 0;
    int digits = 0;
    while (digits < 2 && !atEnd() && rtfHexValue(peek()) >= 0) {
        value = value * 16 + rtfHexValue(peek());
        ++digits;
        ++m_pos;
    }
    if (digits == 0) {
        token.kind = RtfToken::Kind::Symbol;
        token.symbol = u'\'';
        return token;
    }
    token.kind = RtfToken::Kind::Byte;
    token.byte = quint8(value);
    return token;
}

RtfToken RtfTokenizer::readText()
{
    const qsizetype start = m_pos;
    while (!atEnd() && !endsText(peek()))
        ++m_pos;
    RtfToken token;
    token.kind = RtfToken::Kind::Text;
    token.text = m_in.sliced(start, m_pos - start);
    return token;
}

} // namespace vastrel::texts
