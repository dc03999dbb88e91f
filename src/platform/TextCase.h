#pragma once

#include <QString>

namespace vastrel::platform {

// Upper-casing as the collection's rules use it: one character for one character,
// so lengths and positions survive (no "ß" to "SS" expansion).
class TextCase
{
public:
    static char16_t upperChar(char16_t c)
    {
        if (c < 0x80)
            return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
        return upperNonAscii(c);
    }

    static QString upper(QStringView text);
    static bool equalIgnoringCase(QStringView a, QStringView b);
    static bool endsWithIgnoringCase(QStringView text, QStringView suffix);
    // Binary order of the upper-cased texts, ties by the exact texts: the order in which
    // folder listings come.
    static int compareListingOrder(QStringView a, QStringView b);

private:
    static char16_t upperNonAscii(char16_t c);
};

} // namespace vastrel::platform
