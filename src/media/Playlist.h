#pragma once

#include <QByteArray>
#include <QString>

namespace vastrel::media {

// The playlist handed to the desktop's player: one track path per line, CR LF after each,
// and one more CR LF at the end; nothing else.
class Playlist
{
public:
    // The file's bytes: UTF-8, except that names which are not valid UTF-8 on disk keep
    // their own bytes, so the player finds them.
    static QByteArray bytes(const QString& playlistText);
    // Writes the playlist file; false when it cannot be written.
    static bool write(const QString& path, const QString& playlistText);
};

} // namespace vastrel::media
