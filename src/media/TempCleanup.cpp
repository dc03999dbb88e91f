#include "TempCleanup.h"

#include "platform/FileSystem.h"
#include "platform/Wildcard.h"

namespace vastrel::media {

using platform::FileSystem;

QString TempCleanup::playlistPath(const QString& tempFolder)
{
    return tempFolder + QStringLiteral("Vastrel PlayList.m3u");
}

void TempCleanup::run(const QString& tempFolder)
{
    if (tempFolder.isEmpty())
        return;
    FileSystem::removeFile(playlistPath(tempFolder));
    const auto listing = FileSystem::listFolder(tempFolder);
    if (!listing)
        return;
    static const platform::Wildcard temporary(u"~*.tmp");
    for (qsizetype i = 0; i < listing->size(); ++i) {
        if (temporary.matches(listing->name(i)) && listing->isFile(i))
            FileSystem::removeFile(tempFolder + listing->name(i).toString());
    }
}

} // namespace vastrel::media
