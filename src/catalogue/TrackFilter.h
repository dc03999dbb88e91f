#pragma once

#include "ShowFilter.h"

#include <QString>

namespace vastrel::platform {
class DirectoryCache;
}

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

    // trackPath is the would-be track file: the collection root, the album folder name,
    // "/Brani/" and the track's text file name (with its ".txt").
    static Result test(const QString& trackPath, ShowFilter filter,
                       platform::DirectoryCache& cache);
    // The first line of a duplicate marker, or an empty text when it cannot be read.
    static QString markerFirstLine(const QString& markerPath, platform::DirectoryCache& cache);

    static constexpr qsizetype kMaxMarkerLine = 32 * 1024;
};

} // namespace vastrel::catalogue
