#pragma once

#include "ShowFilter.h"
#include "platform/WorkPool.h"

#include <QString>
#include <QStringList>

namespace vastrel::platform {
class DirectoryCache;
}

namespace vastrel::catalogue {

// Which folders of the collection root are albums, and which of them the show filter lets
// through. The collection root always ends with "/".
class AlbumScan
{
public:
    // The album folder names under the root, in the order the root listing gives them; the
    // folders are looked into in parallel, and progress counts them.
    static QStringList albumNames(const QString& root, ShowFilter filter,
                                  platform::DirectoryCache& cache,
                                  const platform::WorkPool::Progress& progress = {});
    // albumFolder is the collection root followed by the album folder name.
    static bool albumFilterTest(const QString& albumFolder, ShowFilter filter,
                                platform::DirectoryCache& cache);
};

} // namespace vastrel::catalogue
