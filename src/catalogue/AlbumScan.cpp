#include "AlbumScan.h"

#include "BracketTag.h"
#include "platform/DirectoryCache.h"
#include "platform/Listing.h"
#include "platform/TextCase.h"

namespace vastrel::catalogue {

using platform::DirectoryCache;
using platform::Wildcard;

QStringList AlbumScan::albumNames(const QString& root, ShowFilter filter, DirectoryCache& cache,
                                  const platform::WorkPool::Progress& progress)
{
    static const Wildcard texts(u"*.txt");
    const platform::Listing* listing = cache.list(root);
    if (!listing)
        return {};
    // The name test is free, so it goes first: it spares the listings of Testi in folders
    // that are no albums anyway.
    QList<qsizetype> candidates;
    for (qsizetype i = 0; i < listing->size(); ++i) {
        if (BracketTag::isAlbumFolderName(listing->name(i)))
            candidates.append(i);
    }
    // A candidate that the listing left without a kind is a folder when its Testi folder can
    // be listed, and no album otherwise: its kind needs no question of its own.
    const QList<bool> isAlbum = platform::WorkPool::map<bool>(
        candidates.size(),
        [&](qsizetype c) {
            const qsizetype i = candidates.at(c);
            const platform::EntryKind kind = listing->knownKind(i);
            if (kind != platform::EntryKind::Folder && kind != platform::EntryKind::Unknown)
                return false;
            QString folder = root;
            folder += listing->name(i);
            return cache.hasFile(folder + QStringLiteral("/Testi"), texts) &&
                   albumFilterTest(folder, filter, cache);
        },
        progress);
    QStringList albums;
    for (qsizetype c = 0; c < candidates.size(); ++c) {
        if (isAlbum.at(c))
            albums.append(listing->name(candidates.at(c)).toString());
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
        // "*.*" takes every name, with an extension or without one; the kinds are asked in
        // listing order up to the first file that is no marker.
        const platform::Listing* files = cache.list(brani);
        for (qsizetype i = 0; files && i < files->size(); ++i) {
            if (!platform::TextCase::endsWithIgnoringCase(files->name(i), u".VL") &&
                files->isFile(i))
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
