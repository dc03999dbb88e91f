#include "SortTitle.h"

#include "BracketTag.h"
#include "platform/Blanks.h"
#include "platform/LenientNumber.h"

namespace vastrel::catalogue {

QString SortTitle::of(const QString& title)
{
    const QString tag = BracketTag::of(title);
    if (!tag.isEmpty() && title.size() > tag.size())
        return platform::Blanks::trim(QStringView(title).sliced(tag.size()));

    static const QString numberSeparators = QStringLiteral(" - |.  |)  ");
    const bool numbered = title.size() >= 6 &&
                          (platform::LenientNumber::read(QStringView(title).first(2)) > 0 ||
                           title.startsWith(u'0')) &&
                          numberSeparators.contains(QStringView(title).sliced(2, 3));
    if (numbered)
        return platform::Blanks::trim(QStringView(title).sliced(5));
    return title;
}

} // namespace vastrel::catalogue
