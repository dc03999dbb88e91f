#pragma once

#include <QStringView>
#include <string_view>

namespace vastrel::texts {

struct RtfToken
{
    enum class Kind : quint8
    {
        End,
        GroupStart,
        GroupEnd,
        Word,   // \letters with an optional parameter
        Symbol, // \ and one other character
        Byte,   // \'hh
        Text,   // units without braces, backslashes or line ends
        Binary, // the data of \binN, already stepped over
    };

    Kind kind = Kind::End;
    std::string_view word; // empty when the word was longer than the limit
    bool hasParameter = false;
    qint32 parameter = 0;
    char16_t symbol = 0;
    quint8 byte = 0;
    QStringView text;
};

// The value of a hex digit, -1 for any other character.
inline int rtfHexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace vastrel::texts
