#pragma once

#include <QString>

namespace vastrel::media {

// The files the program leaves in its private temporary folder: the playlist it hands to
// the player, and "~*.tmp" files.
class TempCleanup
{
public:
    static QString playlistPath(const QString& tempFolder);
    // Deletes the playlist and every ordinary "~*.tmp" file of the folder; failures are
    // ignored. Does nothing without a folder.
    static void run(const QString& tempFolder);
};

} // namespace vastrel::media
