#pragma once

#include <QString>

namespace vastrel::platform {

// The program's temporary folder: <system temp>/vastrel-<uid>/, private to the user
// (mode 0700). The system temp folder is shared by every user, so a folder found in
// that place that is a link, belongs to someone else or is open to others is never
// used: a fresh private folder is made with mkdtemp instead. The playlist and the
// "~*.tmp" clean-up live only there.
class PrivateTempFolder
{
public:
    // The folder path ending with "/", or an empty text when no private folder can be had.
    static QString locate(const QString& systemTemp);
    static bool isPrivateFolder(const QString& path);
};

} // namespace vastrel::platform
