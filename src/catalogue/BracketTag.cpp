#include "BracketTag.h"

namespace vastrel::catalogue {

QString BracketTag::of(QStringView name)
{
    if (!name.startsWith(u'['))
        return {};
    const qsizetype close = name.first(std::min<qsizetype>(7, name.size())).indexOf(u']');
    if (close < 2)
        return {};
    return name.first(close + 1).toString();
}

bool BracketTag::isAlbumFolderName(QStringView name)
{
    if (!name.startsWith(u'['))
        return false;
    for (qsizetype i = 2; i < 7 && i < name.size(); ++i) {
        if (name[i] == u']')
            return true;
    }
    return false;
}

} // namespace vastrel::catalogue
