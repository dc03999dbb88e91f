#include "TrackFilter.h"

#include "BracketTag.h"
#include "ShowFilter.h"
#include "platform/DirectoryCache.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "platform/TextDecoder.h"

namespace vastrel::catalogue {

using platform::DirectoryCache;
using platform::Wildcard;

QString TrackFilter::markerFirstLine(const QString& markerPath, DirectoryCache& cache)
{
    const auto real = cache.resolve(markerPath);
    if (!real)
        return {};
    const auto line = platform::FileSystem::readFirstLine(*real, kMaxMarkerLine);
    return line.ok() ? platform::TextDecoder::decode(line.data) : QString();
}

TrackFilter::Brani TrackFilter::brani(const QString& folder, DirectoryCache& cache)
{
    return {folder, cache.list(folder)};
}

TrackFilter::Result TrackFilter::test(const Brani& brani, QStringView textFile, ShowFilter filter,
                                      DirectoryCache& cache)
{
    // The track's name and "." once the text file's extension is gone.
    const QStringView stem = textFile.chopped(std::min<qsizetype>(3, textFile.size()));
    // Every question below is answered from the one listing of Brani. The marker is the file
    // spelled stem + "VL", else the first whose name differs only in letter case.
    const qsizetype found =
        brani.listing ? brani.listing->findFile(stem.toString() + QStringLiteral("VL")) : -1;
    Result result;
    if (filter == ShowFilter::OnlyDuplicates) {
        result.shown = found >= 0;
    } else if (filter == ShowFilter::OnlyOriginals) {
        // Only the first file of the listing counts: with both a track file and a marker,
        // the listing's order decides.
        const auto first = cache.firstFileName(brani.folder, Wildcard::literal(stem, true));
        if (first && platform::TextCase::endsWithIgnoringCase(*first, u"VL"))
            result.shown = false;
    }
    if (!result.shown)
        return result;
    if (found >= 0) {
        const QString path =
            DirectoryCache::join(cache.realFolder(brani.folder), brani.listing->name(found));
        const auto line = platform::FileSystem::readFirstLine(path, kMaxMarkerLine);
        if (line.ok())
            result.markerTag = BracketTag::of(platform::TextDecoder::decode(line.data));
    } else if (!brani.listing) {
        // A folder that cannot be listed may still let its files be opened by name.
        const QString marker = DirectoryCache::join(brani.folder, stem) + QStringLiteral("VL");
        result.markerTag = BracketTag::of(markerFirstLine(marker, cache));
    }
    return result;
}

} // namespace vastrel::catalogue
