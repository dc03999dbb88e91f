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

namespace {

struct Split
{
    QString folder;
    QString name;
};

Split splitPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return {path.left(slash), path.mid(slash + 1)};
}

} // namespace

QString TrackFilter::markerFirstLine(const QString& markerPath, DirectoryCache& cache)
{
    const auto real = cache.resolve(markerPath);
    if (!real)
        return {};
    const auto line = platform::FileSystem::readFirstLine(*real, kMaxMarkerLine);
    return line.ok() ? platform::TextDecoder::decode(line.data) : QString();
}

TrackFilter::Result TrackFilter::test(const QString& trackPath, ShowFilter filter,
                                      DirectoryCache& cache)
{
    // p ends with the track's name and "." once the text file's extension is gone.
    const QString p = trackPath.size() > 3 ? trackPath.chopped(3) : trackPath;
    const Split split = splitPath(p);
    // Every question below is answered from the one listing of Brani.
    const platform::Listing* brani = cache.list(split.folder);
    const qsizetype marker = brani ? brani->findFile(split.name + QStringLiteral("VL")) : -1;
    Result result;
    if (filter == ShowFilter::OnlyDuplicates) {
        result.shown = marker >= 0;
    } else if (filter == ShowFilter::OnlyOriginals) {
        // Only the first file of the listing counts: with both a track file and a marker,
        // the listing's order decides.
        const auto first = cache.firstFileName(split.folder, Wildcard::literal(split.name, true));
        if (first && platform::TextCase::endsWithIgnoringCase(*first, u"VL"))
            result.shown = false;
    }
    if (!result.shown)
        return result;
    if (marker >= 0) {
        const QString path =
            DirectoryCache::join(cache.realFolder(split.folder), brani->name(marker));
        const auto line = platform::FileSystem::readFirstLine(path, kMaxMarkerLine);
        if (line.ok())
            result.markerTag = BracketTag::of(platform::TextDecoder::decode(line.data));
    } else if (!brani) {
        // A folder that cannot be listed may still let its files be opened by name.
        result.markerTag = BracketTag::of(markerFirstLine(p + QStringLiteral("VL"), cache));
    }
    return result;
}

} // namespace vastrel::catalogue
