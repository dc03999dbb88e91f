#include "BareWalk.h"

#include <algorithm>
#include <atomic>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Runs work for 0 to count - 1: in order on this thread for one thread, else taken in turn
// by that many threads.
void spread(qsizetype count, int threads, const std::function<void(qsizetype)>& work)
{
    if (threads <= 1) {
        for (qsizetype i = 0; i < count; ++i)
            work(i);
        return;
    }
    std::atomic<qsizetype> next = 0;
    std::vector<std::jthread> pool;
    pool.reserve(std::size_t(threads));
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&] {
            for (qsizetype i; (i = next++) < count;)
                work(i);
        });
    }
}

// Letter case ignored, without a copy of the name: the floors on a local disk stay system calls.
bool hasExtension(const QByteArray& name, const char* extension)
{
    const qsizetype n = qsizetype(qstrlen(extension));
    return name.size() >= n &&
           qstrnicmp(name.constData() + name.size() - n, extension, size_t(n)) == 0;
}

bool isPicture(const QByteArray& name)
{
    return hasExtension(name, ".JPG") || hasExtension(name, ".GIF") || hasExtension(name, ".BMP");
}

// The kind of an entry that the listing left without one.
void askKind(const QByteArray& folder, const BareWalk::Entry& entry)
{
    struct stat st;
    if (!entry.typed)
        ::stat((folder + '/' + entry.name).constData(), &st);
}

// The first entry that fits, if it has no kind yet: the one question that decides whether
// a folder holds such a file at all.
void askFirst(const QByteArray& folder, const QList<BareWalk::Entry>& entries,
              const std::function<bool(const QByteArray&)>& fits)
{
    for (const BareWalk::Entry& e : entries) {
        if (fits(e.name)) {
            askKind(folder, e);
            return;
        }
    }
}

// One track of the track checks: its text, and its file or the one its marker names.
void checkTrack(const QByteArray& root, const QByteArray& folder, const QByteArray& name)
{
    const QByteArray stem = name.left(name.lastIndexOf('.'));
    BareWalk::readWhole(folder + "/Testi/" + stem + ".txt");
    if (!name.endsWith(".VL")) {
        BareWalk::readTrack(folder + "/Brani/" + name);
        return;
    }
    QByteArray line(4096, '\0');
    const int fd = ::open((folder + "/Brani/" + name).constData(), O_RDONLY);
    const ssize_t n = fd >= 0 ? ::read(fd, line.data(), 4096) : 0;
    if (fd >= 0)
        ::close(fd);
    line.truncate(std::max<ssize_t>(0, n));
    line.truncate(line.indexOf('\r'));
    line.replace('\\', '/');
    BareWalk::readTrack(root + line);
}

} // namespace

QList<BareWalk::Entry> BareWalk::listFolder(const QByteArray& path)
{
    QList<Entry> entries;
    DIR* dir = ::opendir(path.constData());
    if (dir == nullptr)
        return entries;
    while (const dirent* d = ::readdir(dir)) {
        if (d->d_name[0] != '.')
            entries.append({QByteArray(d->d_name), d->d_type == DT_REG || d->d_type == DT_DIR});
    }
    ::closedir(dir);
    return entries;
}

qsizetype BareWalk::readStart(const QByteArray& path, qsizetype n)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return -1;
    QByteArray buffer(n, Qt::Uninitialized);
    const ssize_t got = ::read(fd, buffer.data(), size_t(n));
    ::close(fd);
    return got;
}

qsizetype BareWalk::readWhole(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return -1;
    char buffer[65536];
    qsizetype total = 0;
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        total += n;
    ::close(fd);
    return total;
}

void BareWalk::readTrack(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return;
    QByteArray start(4100, '\0');
    const ssize_t n = std::max<ssize_t>(0, ::pread(fd, start.data(), 4100, 0));
    const bool flac = start.startsWith("fLaC");
    if (flac) {
        // The metadata blocks: a 4-byte header each (last-block flag, 24-bit length).
        qint64 end = 4;
        for (bool last = false; !last && end + 4 <= n; end += 4) {
            last = start[end] & 0x80;
            end +=
                (uchar(start[end + 1]) << 16 | uchar(start[end + 2]) << 8 | uchar(start[end + 3]));
        }
        if (end > n) {
            QByteArray rest(end - n, Qt::Uninitialized);
            ::pread(fd, rest.data(), size_t(rest.size()), n);
        }
    }
    struct stat st;
    if ((flac || start.contains("Xing")) && ::fstat(fd, &st) == 0 && st.st_size > 128) {
        char tail[128];
        ::pread(fd, tail, sizeof tail, st.st_size - 128);
    }
    ::close(fd);
}

void BareWalk::albumRefresh(const QByteArray& root, int filter, int threads)
{
    const QList<Entry> albums = listFolder(root);
    spread(albums.size(), threads, [&](qsizetype i) {
        const QByteArray testi = root + albums[i].name + "/Testi";
        askFirst(testi, listFolder(testi),
                 [](const QByteArray& n) { return hasExtension(n, ".TXT"); });
        if (filter == 0 || filter == 1) {
            const QByteArray brani = root + albums[i].name + "/Brani";
            askFirst(brani, listFolder(brani), [filter](const QByteArray& n) {
                return hasExtension(n, ".VL") == (filter == 0);
            });
        }
    });
}

void BareWalk::checkedAlbums(const QByteArray& root, const QList<QByteArray>& albums, int threads)
{
    spread(albums.size(), threads, [&](qsizetype i) {
        const QByteArray folder = root + albums[i];
        // The texts become rows; the note is read, which says what it is.
        for (const Entry& e : listFolder(folder + "/Testi")) {
            if (!e.typed && hasExtension(e.name, ".TXT") && qstricmp(e.name, "NOTA.TXT") != 0)
                askKind(folder + "/Testi", e);
        }
        for (const Entry& e : listFolder(folder + "/Brani")) {
            if (e.name.endsWith(".VL"))
                readStart(folder + "/Brani/" + e.name, 4096);
        }
        for (const Entry& e : listFolder(folder + "/Immagini")) {
            if (!e.typed && isPicture(e.name))
                askKind(folder + "/Immagini", e);
        }
        readWhole(folder + "/Testi/Nota.txt");
    });
}

void BareWalk::checkedTracks(const QByteArray& root, const QList<QByteArray>& albums, int threads)
{
    // The listings first, then each track on its own, so that one album's tracks are spread too.
    std::vector<QList<Entry>> listed(albums.size());
    spread(albums.size(), threads,
           [&](qsizetype i) { listed[i] = listFolder(root + albums[i] + "/Brani"); });
    std::vector<std::pair<QByteArray, QByteArray>> tracks;
    for (qsizetype i = 0; i < albums.size(); ++i) {
        for (const Entry& e : listed[i])
            tracks.emplace_back(root + albums[i], e.name);
    }
    spread(qsizetype(tracks.size()), threads,
           [&](qsizetype t) { checkTrack(root, tracks[t].first, tracks[t].second); });
}
