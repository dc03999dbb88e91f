#pragma once

#include <QString>

namespace vastrel::platform {

// Upper-casing as the collection's rules use it: one character for one character,
// so lengths and positions survive (no "ß" to "SS" expansion).
class TextCase
{
public:
    static QString upper(QStringView text);
    static bool equalIgnoringCase(QStringView a, QStringView b);
    static bool endsWithIgnoringCase(QStringView text, QStringView suffix);
};

} // namespace vastrel::platform
