#include "TreeSnapshot.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TreeSnapshot {

namespace {

QByteArray nanoseconds(const struct timespec& t)
{
    return QByteArray::number(qint64(t.tv_sec)) + '.' +
           QByteArray::number(qint64(t.tv_nsec)).rightJustified(9, '0');
}

QByteArray describe(const QByteArray& path, const struct stat& st)
{
    const char* kind = S_ISREG(st.st_mode) ? "file" : S_ISDIR(st.st_mode) ? "folder" : "other";
    QByteArray line = (S_ISLNK(st.st_mode) ? "link" : kind) + QByteArray(" mode ") +
                      QByteArray::number(st.st_mode & 07777, 8) + " size " +
                      QByteArray::number(qint64(st.st_size)) + " links " +
                      QByteArray::number(qulonglong(st.st_nlink)) + " mtime " +
                      nanoseconds(st.st_mtim) + " ctime " + nanoseconds(st.st_ctim);
    if (S_ISLNK(st.st_mode)) {
        QByteArray target(4096, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        line += " to " + target.left(std::max<ssize_t>(n, 0));
    }
    // Non-blocking and without following links, in case the entry changes under us.
    const int fd = S_ISREG(st.st_mode)
                       ? ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                       : -1;
    if (fd < 0)
        return line + (S_ISREG(st.st_mode) ? " unreadable" : "");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        hash.addData(QByteArrayView(buffer, qsizetype(n)));
    ::close(fd);
    return line + " sha256 " + (n < 0 ? QByteArray("unreadable") : hash.result().toHex());
}

void walk(const QByteArray& root, const QByteArray& relative, QByteArrayList& lines)
{
    const QByteArray path = relative.isEmpty() ? root : root + '/' + relative;
    const QByteArray name = relative.isEmpty() ? QByteArray(".") : relative;
    struct stat st;
    if (::lstat(path.constData(), &st) != 0) {
        lines.append(name + " vanished");
        return;
    }
    lines.append(name + " : " + describe(path, st));
    DIR* dir = S_ISDIR(st.st_mode) ? ::opendir(path.constData()) : nullptr;
    if (S_ISDIR(st.st_mode) && dir == nullptr)
        lines.append(name + " not listable");
    if (dir == nullptr)
        return;
    QByteArrayList names;
    while (const struct dirent* d = ::readdir(dir)) {
        if (qstrcmp(d->d_name, ".") != 0 && qstrcmp(d->d_name, "..") != 0)
            names.append(QByteArray(d->d_name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    for (const QByteArray& entry : names)
        walk(root, relative.isEmpty() ? entry : relative + '/' + entry, lines);
}

} // namespace

QByteArrayList take(const QString& root)
{
    QByteArray bytes = QFile::encodeName(root);
    while (bytes.size() > 1 && bytes.endsWith('/'))
        bytes.chop(1);
    QByteArrayList lines;
    walk(bytes, QByteArray(), lines);
    return lines;
}

QByteArray difference(const QByteArrayList& before, const QByteArrayList& after)
{
    // Sets, not list searches: a snapshot of a huge folder has a hundred thousand lines.
    const QSet<QByteArray> was(before.cbegin(), before.cend());
    const QSet<QByteArray> is(after.cbegin(), after.cend());
    QByteArray out;
    for (const QByteArray& line : before) {
        if (!is.contains(line))
            out += "- " + line + '\n';
    }
    for (const QByteArray& line : after) {
        if (!was.contains(line))
            out += "+ " + line + '\n';
    }
    return out;
}

} // namespace TreeSnapshot
