#pragma once

#include "ShowFilter.h"

#include <QString>

namespace vastrel::platform {
class DirectoryCache;
class Listing;
} // namespace vastrel::platform

namespace vastrel::catalogue {

// Whether a track is shown under the show filter, and the album tag its duplicate
// marker points at.
class TrackFilter
{
public:
    struct Result
    {
        bool shown = true;
        QString markerTag;
    };

    // An album's Brani folder, listed once for all its tracks.
    struct Brani
    {
        QString folder;
        const platform::Listing* listing = nullptr; // nullptr: it cannot be listed
    };
    static Brani brani(const QString& folder, platform::DirectoryCache& cache);

    // The track of the text file textFile (a name ending in ".txt"), whose track file or
    // duplicate marker would be in brani.
    static Result test(const Brani& brani, QStringView textFile, ShowFilter filter,
                       platform::DirectoryCache& cache);
    // The first line of a duplicate marker, or an empty text when it cannot be read.
    static QString markerFirstLine(const QString& markerPath, platform::DirectoryCache& cache);

    static constexpr qsizetype kMaxMarkerLine = 32 * 1024;
};

} // namespace vastrel::catalogue
