#include "TreeSnapshot.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <cerrno>
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

QByteArray contentHash(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return "unreadable";
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        hash.addData(QByteArrayView(buffer, qsizetype(n)));
    ::close(fd);
    return n < 0 ? QByteArray("unreadable") : hash.result().toHex();
}

QByteArray describe(const QByteArray& path, const struct stat& st)
{
    QByteArray kind = S_ISREG(st.st_mode)   ? "file"
                      : S_ISDIR(st.st_mode) ? "folder"
                      : S_ISLNK(st.st_mode) ? "link"
                                            : "other";
    QByteArray line = kind + " mode " + QByteArray::number(st.st_mode & 07777, 8) + " size " +
                      QByteArray::number(qint64(st.st_size)) + " links " +
                      QByteArray::number(qulonglong(st.st_nlink)) + " mtime " +
                      nanoseconds(st.st_mtim) + " ctime " + nanoseconds(st.st_ctim);
    if (S_ISREG(st.st_mode))
        line += " sha256 " + contentHash(path);
    if (S_ISLNK(st.st_mode)) {
        QByteArray target(4096, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        line += " to " + target.left(std::max<ssize_t>(n, 0));
    }
    return line;
}

void walk(const QByteArray& root, const QByteArray& relative, QByteArrayList& lines)
{
    const QByteArray path = relative.isEmpty() ? root : root + '/' + relative;
    struct stat st;
    if (::lstat(path.constData(), &st) != 0) {
        lines.append(relative + " vanished");
        return;
    }
    lines.append((relative.isEmpty() ? QByteArray(".") : relative) + " : " + describe(path, st));
    if (!S_ISDIR(st.st_mode))
        return;
    DIR* dir = ::opendir(path.constData());
    if (dir == nullptr) {
        lines.append(relative + " not listable");
        return;
    }
    QByteArrayList names;
    while (const struct dirent* d = ::readdir(dir)) {
        const QByteArray name(d->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    for (const QByteArray& name : names)
        walk(root, relative.isEmpty() ? name : relative + '/' + name, lines);
}

bool copyFile(const QByteArray& from, const QByteArray& to)
{
    QFile in(QFile::decodeName(from));
    QFile out(QFile::decodeName(to));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    return out.write(in.readAll()) == in.size() && ::chmod(to.constData(), 0644) == 0;
}

bool copyTree(const QByteArray& from, const QByteArray& to)
{
    if (::mkdir(to.constData(), 0755) != 0 && errno != EEXIST)
        return false;
    ::chmod(to.constData(), 0755);
    DIR* dir = ::opendir(from.constData());
    if (dir == nullptr)
        return false;
    bool ok = true;
    while (const struct dirent* d = ::readdir(dir)) {
        const QByteArray name(d->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat st;
        const QByteArray source = from + '/' + name;
        if (::lstat(source.constData(), &st) != 0)
            ok = false;
        else if (S_ISDIR(st.st_mode))
            ok = copyTree(source, to + '/' + name) && ok;
        else if (S_ISREG(st.st_mode))
            ok = copyFile(source, to + '/' + name) && ok;
    }
    ::closedir(dir);
    return ok;
}

void chmodTree(const QByteArray& path, bool writable)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0 || S_ISLNK(st.st_mode))
        return;
    if (S_ISDIR(st.st_mode)) {
        ::chmod(path.constData(), 0755);
        if (DIR* dir = ::opendir(path.constData())) {
            while (const struct dirent* d = ::readdir(dir)) {
                const QByteArray name(d->d_name);
                if (name != "." && name != "..")
                    chmodTree(path + '/' + name, writable);
            }
            ::closedir(dir);
        }
        ::chmod(path.constData(), writable ? 0755 : 0555);
    } else {
        ::chmod(path.constData(), writable ? 0644 : 0444);
    }
}

QByteArray native(const QString& path)
{
    QByteArray bytes = QFile::encodeName(path);
    while (bytes.size() > 1 && bytes.endsWith('/'))
        bytes.chop(1);
    return bytes;
}

} // namespace

QByteArrayList take(const QString& root)
{
    QByteArrayList lines;
    walk(native(root), QByteArray(), lines);
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

bool copy(const QString& from, const QString& to)
{
    return copyTree(native(from), native(to));
}

void setWritable(const QString& root, bool writable)
{
    chmodTree(native(root), writable);
}

} // namespace TreeSnapshot
