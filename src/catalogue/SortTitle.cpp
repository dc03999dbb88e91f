#include "SortTitle.h"

#include "BracketTag.h"
#include "platform/Blanks.h"
#include "platform/LenientNumber.h"

namespace vastrel::catalogue {

QStringView SortTitle::of(QStringView title)
{
    const qsizetype tag = BracketTag::of(title).size();
    if (tag > 0 && title.size() > tag)
        return platform::Blanks::trimmed(title.sliced(tag));

    static const QString numberSeparators = QStringLiteral(" - |.  |)  ");
    const bool numbered =
        title.size() >= 6 &&
        (platform::LenientNumber::read(title.first(2)) > 0 || title.startsWith(u'0')) &&
        numberSeparators.contains(title.sliced(2, 3));
    if (numbered)
        return platform::Blanks::trimmed(title.sliced(5));
    return title;
}

} // namespace vastrel::catalogue
