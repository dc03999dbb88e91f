#include "FileSystem.h"

#include "NativeName.h"

#include <QRandomGenerator>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace vastrel::platform {

namespace {

// A file descriptor that closes itself.
class Fd
{
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

EntryKind kindOf(const struct stat& st)
{
    if (S_ISREG(st.st_mode))
        return EntryKind::File;
    if (S_ISDIR(st.st_mode))
        return EntryKind::Folder;
    return EntryKind::Other;
}

std::atomic<bool> kindsLeftOut = false;

// What the listing says of an entry. A link's kind is its target's, and some shares list
// names only: those kinds are asked later, and only where a decision needs them.
EntryKind kindOfDirent(const struct dirent* d)
{
    if (kindsLeftOut.load(std::memory_order_relaxed))
        return EntryKind::Unknown;
    switch (d->d_type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
    case DT_UNKNOWN:
        return EntryKind::Unknown;
    default:
        return EntryKind::Other;
    }
}

// Opens a regular file for reading. O_NONBLOCK keeps a FIFO from blocking the open;
// the fstat then refuses anything that is not a regular file.
bool toNative(const QString& path, QByteArray& native);

int openRegular(const QString& path, int& error, qint64* size = nullptr)
{
    QByteArray native;
    if (!toNative(path, native)) {
        error = ENOENT;
        return -1;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        error = errno;
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return -1;
    }
    if (size)
        *size = qint64(st.st_size);
    return fd;
}

ssize_t readSome(int fd, char* buffer, size_t size)
{
    ssize_t n;
    do {
        n = ::read(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

// The path as the system takes it; a path that holds a NUL (possible in data read from a
// marker) would silently name a shorter path, so it names nothing.
bool toNative(const QString& path, QByteArray& native)
{
    native = NativeName::encode(path);
    return !native.contains('\0') && !native.isEmpty();
}

// Reads a regular file chunk by chunk straight into the result, until maxBytes, the end of
// the file, or `enough` (which sees the data and where the last chunk began) says stop.
ReadResult readChunks(const QString& path, qint64 maxBytes, qint64 chunk,
                      const std::function<bool(QByteArray&, qsizetype)>& enough)
{
    ReadResult result;
    qint64 size = 0;
    const Fd fd(openRegular(path, result.error, &size));
    if (fd.get() < 0)
        return result;
    result.size = size;
    // A file read whole takes one read of its size and one that finds the end.
    const qint64 step = std::clamp<qint64>(result.size + 1, 1, chunk);
    while (result.data.size() < maxBytes) {
        const qsizetype before = result.data.size();
        result.data.resize(before + qsizetype(std::min<qint64>(step, maxBytes - before)));
        const ssize_t n =
            readSome(fd.get(), result.data.data() + before, size_t(result.data.size() - before));
        if (n < 0) {
            result.error = errno == EAGAIN ? EIO : errno;
            result.data.clear();
            return result;
        }
        result.data.truncate(before + n);
        if (n == 0 || enough(result.data, before))
            break;
    }
    return result;
}

// The entries as getdents64 returns them are those that readdir returns.
static_assert(sizeof(struct dirent) == sizeof(struct dirent64) &&
              offsetof(struct dirent, d_name) == offsetof(struct dirent64, d_name));

// Calls entry(d) for every entry of an open folder, read with getdents64 into a buffer of this
// thread: opendir would allocate one as large for every folder, and free it again.
template <typename Entry> void forEachEntry(int dirFd, const Entry& entry)
{
    alignas(struct dirent) thread_local char buffer[32 * 1024];
    for (;;) {
        const ssize_t n = ::getdents64(dirFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        for (ssize_t at = 0; at < n;) {
            const auto* d = reinterpret_cast<const struct dirent*>(buffer + at);
            entry(d);
            at += d->d_reclen;
        }
    }
}

} // namespace

std::optional<Listing> FileSystem::listFolder(const QString& path)
{
    QByteArray native;
    if (!toNative(path, native))
        return std::nullopt;
    const Fd dir(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return std::nullopt;
    Listing listing(path);
    forEachEntry(dir.get(), [&](const struct dirent* d) {
        if (d->d_name[0] == '.')
            return;
        const EntryKind kind = kindOfDirent(d);
        if (kind == EntryKind::Other)
            return;
        const QByteArrayView name(d->d_name);
        if (std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; }))
            listing.addAscii(name, kind);
        else
            listing.add(NativeName::decode(name), kind);
    });
    listing.sort();
    return listing;
}

EntryKind FileSystem::kind(const QString& path)
{
    QByteArray native;
    if (!toNative(path, native))
        return EntryKind::Missing;
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? EntryKind::Missing : EntryKind::Other;
    return kindOf(st);
}

std::optional<qint64> FileSystem::fileSize(const QString& path)
{
    QByteArray native;
    struct stat st;
    if (!toNative(path, native) || ::stat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return qint64(st.st_size);
}

ReadResult FileSystem::readFile(const QString& path, qint64 maxBytes)
{
    return readChunks(path, maxBytes, 1 << 20, [](QByteArray&, qsizetype) { return false; });
}

ReadResult FileSystem::readFirstLine(const QString& path, qsizetype maxBytes)
{
    return readChunks(path, maxBytes, 4096, [](QByteArray& data, qsizetype from) {
        for (qsizetype i = from; i < data.size(); ++i) {
            if (data[i] == '\r' || data[i] == '\n') {
                data.truncate(i);
                return true;
            }
        }
        return false;
    });
}

namespace {

bool writeAll(int fd, QByteArrayView data)
{
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, size_t(data.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

// A new file of a free name next to the target, with the modes the user's umask gives new
// files: a PDF the user saves is as readable as any other file of theirs.
int createNextTo(const QByteArray& native, QByteArray& fresh)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        fresh = native + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(fresh.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

// The bytes go into a new file of a free name next to the target, which then takes the
// target's name: whatever had that name (a link, a second name of another file, a FIFO) is
// replaced, and what it led to is never written.
bool FileSystem::writeFile(const QString& path, QByteArrayView data)
{
    QByteArray native;
    if (!toNative(path, native))
        return false;
    QByteArray fresh;
    const Fd fd(createNextTo(native, fresh));
    if (fd.get() < 0)
        return false;
    if (!writeAll(fd.get(), data) || ::rename(fresh.constData(), native.constData()) != 0) {
        ::unlink(fresh.constData());
        return false;
    }
    return true;
}

RegularFile::RegularFile(const QString& path)
{
    int error = 0;
    m_fd = openRegular(path, error, &m_size);
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray RegularFile::read(qint64 offset, qint64 maxBytes) const
{
    if (m_fd < 0 || offset < 0 || maxBytes <= 0 || offset >= m_size)
        return {};
    QByteArray data(qsizetype(std::min(maxBytes, m_size - offset)), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::pread(m_fd, data.data() + done, size_t(data.size() - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {};
        if (n == 0)
            break;
        done += n;
    }
    data.truncate(done);
    return data;
}

bool FileSystem::removeFile(const QString& path)
{
    QByteArray native;
    return toNative(path, native) && ::unlink(native.constData()) == 0;
}

void FileSystem::leaveKindsOut(bool leave)
{
    kindsLeftOut.store(leave);
}

bool FileSystem::isOnNetwork(const QString& path)
{
    // The magic numbers of statfs(2).
    static constexpr unsigned long kNetworkTypes[] = {
        0x6969,     // NFS
        0x517B,     // SMB
        0xFF534D42, // CIFS
        0xFE534D42, // SMB2
        0x65735546, // FUSE
        0x01021997, // 9P
        0x00C36400, // Ceph
        0x5346414F, // AFS
        0x564C,     // NCP
    };
    struct statfs info = {};
    if (::statfs(NativeName::encode(path).constData(), &info) != 0)
        return false;
    const auto type = static_cast<unsigned long>(info.f_type);
    return std::find(std::begin(kNetworkTypes), std::end(kNetworkTypes), type) !=
           std::end(kNetworkTypes);
}

} // namespace vastrel::platform
