#include "RootOption.h"

#include "catalogue/BracketTag.h"
#include "platform/DirectoryCache.h"

namespace vastrel::startup {

std::optional<QString> RootOption::accept(const QString& folder, platform::DirectoryCache& cache)
{
    // Listed as spelled, or else as found without regard to case.
    const platform::Listing* listing = cache.list(folder);
    if (listing == nullptr)
        return std::nullopt;
    const QString real = cache.realFolder(folder);
    for (qsizetype i = 0; i < listing->size(); ++i) {
        const QStringView name = listing->name(i);
        if (!name.startsWith(u'[') || !listing->isVisible(i))
            continue;
        if (!catalogue::BracketTag::isAlbumFolderName(name))
            return std::nullopt;
        return real.endsWith(u'/') ? real : real + u'/';
    }
    return std::nullopt;
}

} // namespace vastrel::startup
