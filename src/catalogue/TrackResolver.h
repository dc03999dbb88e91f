#pragma once

#include <QString>
#include <optional>

namespace vastrel::platform {
class DirectoryCache;
}

namespace vastrel::catalogue {

// The audio file of a track and its playing time.
struct TrackFile
{
    // Full real path of the track file, or empty when none was found.
    QString path;
    // 0: not found (or an empty file), -1: playing time unknown, n > 0: seconds.
    int length = 0;
};

// Finds a track's file from its text file: the file of the album's Brani folder with the
// text's name and a three-letter extension, or else the file its duplicate marker names.
class TrackResolver
{
public:
    static TrackFile TrovaBrano(const QString& textPath, const QString& root,
                                platform::DirectoryCache& cache);

private:
    static std::optional<TrackFile> directFile(const QString& stem,
                                               platform::DirectoryCache& cache);
    static std::optional<TrackFile> markedFile(const QString& stem, const QString& root,
                                               platform::DirectoryCache& cache);
    static std::optional<TrackFile> measured(const QString& path);
    static int playingTime(const QString& path, qint64 size, const QByteArray& header);
};

} // namespace vastrel::catalogue
