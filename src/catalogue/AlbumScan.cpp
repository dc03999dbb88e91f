#include "AlbumScan.h"

#include "BracketTag.h"
#include "platform/DirectoryCache.h"
#include "platform/TextCase.h"

namespace vastrel::catalogue {

using platform::DirectoryCache;
using platform::Wildcard;

QStringList AlbumScan::albumNames(const QString& root, ShowFilter filter, DirectoryCache& cache,
                                  const platform::WorkPool::Progress& progress)
{
    static const Wildcard texts(u"*.txt");
    const QStringList names = cache.folderNames(root);
    const QList<bool> isAlbum = platform::WorkPool::map<bool>(
        names.size(),
        [&](qsizetype i) {
            // Both tests must hold; the name test is free, so it goes first and spares the
            // listing of Testi in folders that are no albums anyway.
            if (!BracketTag::isAlbumFolderName(names.at(i)))
                return false;
            const QString folder = root + names.at(i);
            return cache.hasFile(folder + QStringLiteral("/Testi"), texts) &&
                   albumFilterTest(folder, filter, cache);
        },
        progress);
    QStringList albums;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (isAlbum.at(i))
            albums.append(names.at(i));
    }
    return albums;
}

bool AlbumScan::albumFilterTest(const QString& albumFolder, ShowFilter filter,
                                DirectoryCache& cache)
{
    const QString brani = albumFolder + QStringLiteral("/Brani");
    switch (filter) {
    case ShowFilter::OnlyDuplicates: {
        static const Wildcard markers(u"*.VL");
        return cache.hasFile(brani, markers);
    }
    case ShowFilter::OnlyOriginals: {
        // "*.*" takes every name, with an extension or without one.
        const platform::Listing* files = cache.list(brani);
        for (qsizetype i = 0; files && i < files->size(); ++i) {
            if (!files->isFolder(i) &&
                !platform::TextCase::endsWithIgnoringCase(files->name(i), u".VL"))
                return true;
        }
        return false;
    }
    case ShowFilter::NoneChosen:
    case ShowFilter::Everything:
        break;
    }
    return true;
}

} // namespace vastrel::catalogue
