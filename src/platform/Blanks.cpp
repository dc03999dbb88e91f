#include "Blanks.h"

namespace vastrel::platform {

QString Blanks::trimEnd(QStringView text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text.toString();
}

QStringView Blanks::trimmed(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace vastrel::platform
