#pragma once

#include <QString>
#include <QStringList>
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
// text's name and a three-letter extension, or else the file its duplicate marker names, or
// else a file with the text's name and the extension of another audio format.
class TrackResolver
{
public:
    static TrackFile TrovaBrano(const QString& textPath, const QString& root,
                                platform::DirectoryCache& cache);

private:
    static QStringList candidates(const QString& stem, platform::DirectoryCache& cache);
    static QString threeLetter(const QString& name);
    static QString audioExtension(const QString& name);
    static std::optional<TrackFile> withExtension(const QString& stem, const QString& ext,
                                                  platform::DirectoryCache& cache);
    static std::optional<TrackFile> markedFile(const QString& stem, const QString& root,
                                               platform::DirectoryCache& cache);
    static std::optional<TrackFile> measured(const QString& path);
};

} // namespace vastrel::catalogue
