#include "Blanks.h"

namespace vastrel::platform {

QString Blanks::trimEnd(QStringView text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text.toString();
}

QString Blanks::trim(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.sliced(1);
    return trimEnd(text);
}

} // namespace vastrel::platform
