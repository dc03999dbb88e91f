#include "BareWalk.h"

#include <dirent.h>
#include <fcntl.h>
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
                readStart(root + line, 4100);
            } else {
                readStart(folder + "/Brani/" + name, 4100);
            }
        }
    }
}
