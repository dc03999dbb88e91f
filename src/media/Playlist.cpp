#include "Playlist.h"

#include "platform/FileSystem.h"
#include "platform/NativeName.h"

namespace vastrel::media {

QByteArray Playlist::bytes(const QString& playlistText)
{
    return platform::NativeName::encode(playlistText + QStringLiteral("\r\n"));
}

bool Playlist::write(const QString& path, const QString& playlistText)
{
    return platform::FileSystem::writeFile(path, bytes(playlistText));
}

} // namespace vastrel::media
