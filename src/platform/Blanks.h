#pragma once

#include <QString>

namespace vastrel::platform {

// Trimming as the collection's rules mean it: blanks only, never tabs or line breaks.
class Blanks
{
public:
    static QString trim(QStringView text);
    static QString trimEnd(QStringView text);
};

} // namespace vastrel::platform
