#pragma once

#include <QString>

namespace vastrel::platform {

// One visible entry of a folder listing: a regular file or a folder (links followed).
struct DirEntry
{
    QString name;
    QString upperName;
    bool isFolder = false;
};

} // namespace vastrel::platform
