#include "HostileCollection.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace Hostile {

namespace {

QByteArray native(const Collection& c, const QString& relative)
{
    return QFile::encodeName(c.path(relative));
}

// The folder that will hold relative, made with its parents.
void parentOf(Collection& c, const QString& relative)
{
    c.folder(relative.left(std::max<qsizetype>(relative.lastIndexOf(u'/'), 0)));
}

} // namespace

QByteArray mpeg(int seconds)
{
    return headerAt(0, "\xff\xfb\x90\x00", qsizetype(seconds) * 16000);
}

QByteArray headerAt(qsizetype offset, const QByteArray& header, qsizetype size)
{
    QByteArray bytes(std::max(size, offset + header.size()), '\0');
    bytes.replace(offset, header.size(), header);
    return bytes;
}

// A fixed sequence, so that every run sees the same bytes.
QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = seed * 2654435761u + 1;
    for (char& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = char(state >> 24);
    }
    return bytes;
}

void fifo(Collection& c, const QString& relative)
{
    parentOf(c, relative);
    if (::mkfifo(native(c, relative).constData(), 0644) != 0)
        qWarning("mkfifo failed");
}

void link(Collection& c, const QString& relative, const QByteArray& target)
{
    parentOf(c, relative);
    if (::symlink(target.constData(), native(c, relative).constData()) != 0)
        qWarning("symlink failed");
}

// The null device, under another name.
void device(Collection& c, const QString& relative)
{
    parentOf(c, relative);
    if (::mknod(native(c, relative).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        qWarning("mknod failed");
}

// A file of any size that takes no room on disk: its head, then a hole.
void sparse(Collection& c, const QString& relative, qint64 size, const QByteArray& head)
{
    c.file(relative, head);
    if (::truncate(native(c, relative).constData(), off_t(size)) != 0)
        qWarning("truncate failed");
}

void mode(Collection& c, const QString& relative, unsigned m)
{
    if (::chmod(native(c, relative).constData(), mode_t(m)) != 0)
        qWarning("chmod failed");
}

} // namespace Hostile
