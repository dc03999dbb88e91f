#include "RootOption.h"

#include "catalogue/BracketTag.h"
#include "platform/DirectoryCache.h"

namespace vastrel::startup {

std::optional<QString> RootOption::accept(const QString& folder)
{
    platform::DirectoryCache cache;
    const QString real = cache.resolve(folder).value_or(folder);
    const platform::Listing* listing = cache.list(real);
    if (listing == nullptr)
        return std::nullopt;
    for (qsizetype i = 0; i < listing->size(); ++i) {
        const QStringView name = listing->name(i);
        if (!name.startsWith(u'['))
            continue;
        if (!catalogue::BracketTag::isAlbumFolderName(name))
            return std::nullopt;
        return real.endsWith(u'/') ? real : real + u'/';
    }
    return std::nullopt;
}

} // namespace vastrel::startup
