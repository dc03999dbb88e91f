#include "BareWalk.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QList<QByteArray> BareWalk::listFolder(const QByteArray& path)
{
    QList<QByteArray> names;
    DIR* dir = ::opendir(path.constData());
    if (dir == nullptr)
        return names;
    while (const dirent* d = ::readdir(dir)) {
        if (d->d_name[0] != '.')
            names.append(QByteArray(d->d_name));
    }
    ::closedir(dir);
    return names;
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

void BareWalk::albumRefresh(const QByteArray& root, bool brani)
{
    for (const QByteArray& album : listFolder(root)) {
        listFolder(root + album + "/Testi");
        if (brani)
            listFolder(root + album + "/Brani");
    }
}

void BareWalk::checkedAlbums(const QByteArray& root, const QList<QByteArray>& albums)
{
    for (const QByteArray& album : albums) {
        const QByteArray folder = root + album;
        listFolder(folder + "/Testi");
        for (const QByteArray& name : listFolder(folder + "/Brani")) {
            if (name.endsWith(".VL"))
                readStart(folder + "/Brani/" + name, 4096);
        }
        listFolder(folder + "/Immagini");
        readWhole(folder + "/Testi/Nota.txt");
    }
}

void BareWalk::checkedTracks(const QByteArray& root, const QList<QByteArray>& albums)
{
    for (const QByteArray& album : albums) {
        const QByteArray folder = root + album;
        const QList<QByteArray> tracks = listFolder(folder + "/Brani");
        for (const QByteArray& name : tracks) {
            const QByteArray stem = name.left(name.lastIndexOf('.'));
            readWhole(folder + "/Testi/" + stem + ".txt");
            if (name.endsWith(".VL")) {
                QByteArray line(4096, '\0');
                const int fd = ::open((folder + "/Brani/" + name).constData(), O_RDONLY);
                const ssize_t n = fd >= 0 ? ::read(fd, line.data(), 4096) : 0;
                if (fd >= 0)
                    ::close(fd);
                line.truncate(std::max<ssize_t>(0, n));
                line.truncate(line.indexOf('\r'));
                line.replace('\\', '/');
                readTrack(root + line);
            } else {
                readTrack(folder + "/Brani/" + name);
            }
        }
    }
}
