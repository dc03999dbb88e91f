#include "AlbumScan.h"

#include "BracketTag.h"
#include "platform/DirectoryCache.h"
#include "platform/TextCase.h"

namespace vastrel::catalogue {

using platform::DirectoryCache;
using platform::Wildcard;

QStringList AlbumScan::albumNames(const QString& root, int filter, DirectoryCache& cache)
{
    static const Wildcard texts(u"*.txt");
    QStringList albums;
    for (const QString& name : cache.folderNames(root)) {
        // Both tests must hold; the name test is free, so it goes first and spares the
        // listing of Testi in folders that are no albums anyway.
        if (!BracketTag::isAlbumFolderName(name))
            continue;
        const QString folder = root + name;
        if (!cache.hasFile(folder + QStringLiteral("/Testi"), texts))
            continue;
        if (albumFilterTest(folder, filter, cache))
            albums.append(name);
    }
    return albums;
}

bool AlbumScan::albumFilterTest(const QString& albumFolder, int filter, DirectoryCache& cache)
{
    const QString brani = albumFolder + QStringLiteral("/Brani");
    switch (filter) {
    case OnlyDuplicates: {
        static const Wildcard markers(u"*.VL");
        return cache.hasFile(brani, markers);
    }
    case OnlyOriginals: {
        static const Wildcard any(u"*.*");
        const QStringList files = cache.fileNames(brani, any);
        return std::any_of(files.cbegin(), files.cend(), [](const QString& f) {
            return !platform::TextCase::endsWithIgnoringCase(f, u".VL");
        });
    }
    default:
        return true;
    }
}

} // namespace vastrel::catalogue
