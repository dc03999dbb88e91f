#pragma once

#include <QString>

namespace vastrel::platform {

// Trimming as the collection's rules mean it: blanks only, never tabs or line breaks.
class Blanks
{
public:
    static QString trim(QStringView text) { return trimmed(text).toString(); }
    // The same part of the text, without a copy.
    static QStringView trimmed(QStringView text);
    static QString trimEnd(QStringView text);
};

} // namespace vastrel::platform
