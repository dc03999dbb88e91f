#include "BareWalk.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

int BareWalk::listFolder(const QByteArray& path)
{
    DIR* dir = ::opendir(path.constData());
    if (dir == nullptr)
        return -1;
    int n = 0;
    while (::readdir(dir) != nullptr)
        ++n;
    ::closedir(dir);
    return n;
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
