#pragma once

#include "Listing.h"
#include "ReadResult.h"

#include <QList>
#include <QString>
#include <optional>

namespace vastrel::platform {

// The file-system services of the program, on exact paths. Only regular files are ever
// opened, and they are opened so that a FIFO or device put in their place cannot block.
// Case-insensitive lookups are built on top of this by DirectoryCache.
class FileSystem
{
public:
    // Visible entries (no hidden names, no system entries) in listing order; nothing when
    // the folder cannot be listed. The kinds that the folder's listing leaves out are asked
    // later, where a question needs them.
    static std::optional<Listing> listFolder(const QString& path);
    static EntryKind kind(const QString& path);
    static std::optional<qint64> fileSize(const QString& path);
    // At most maxBytes from the start of a regular file.
    static ReadResult readFile(const QString& path, qint64 maxBytes);
    // The bytes before the first CR or LF, at most maxBytes of them.
    static ReadResult readFirstLine(const QString& path, qsizetype maxBytes);
    // Puts a new regular file with these bytes under the name; never writes through a link.
    static bool writeFile(const QString& path, QByteArrayView data);
    static bool removeFile(const QString& path);
    // Whether the folder is on a network share (NFS, SMB, and the user-space file systems
    // such as sshfs), where every request waits for a round trip.
    static bool isOnNetwork(const QString& path);
    // Lists every entry without its kind from now on, as shares that list names only do, or
    // with the kinds again: the tests run the program's rules both ways.
    static void leaveKindsOut(bool leave);

    static bool isHiddenName(QStringView name) { return name.startsWith(u'.'); }
};

// A regular file held open for reading. Anything else (FIFO, device, folder) is refused when
// it is opened, so whatever reads through it later reads the file that was checked.
class RegularFile
{
public:
    explicit RegularFile(const QString& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // The size when it was opened.
    qint64 size() const { return m_size; }
    // At most maxBytes from offset on, never past that size; empty when the reading fails.
    QByteArray read(qint64 offset, qint64 maxBytes) const;

private:
    int m_fd = -1;
    qint64 m_size = -1;
};

} // namespace vastrel::platform
