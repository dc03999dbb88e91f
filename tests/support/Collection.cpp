#include "Collection.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// VASTREL_TEST_NAMES_ONLY=1 lists every folder as a share that lists names only does, so
// that each entry's kind is asked where a decision needs it: the same tests must pass.
const bool namesOnly = [] {
    const bool on = qEnvironmentVariableIntValue("VASTREL_TEST_NAMES_ONLY") == 1;
    vastrel::platform::FileSystem::leaveKindsOut(on);
    return on;
}();

} // namespace

Collection::Collection()
{
    QVERIFY2(m_dir.isValid(), "temporary folder");
    // Readable by others, so tests that drop to another user can still walk it.
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
}

QString Collection::root() const
{
    return m_dir.path() + u'/';
}

QString Collection::path(const QString& relative) const
{
    return root() + relative;
}

Collection& Collection::album(const QString& name)
{
    m_album = name;
    return folder(name);
}

Collection& Collection::text(const QString& name, const QByteArray& content)
{
    return file(m_album + QStringLiteral("/Testi/") + name, content);
}

Collection& Collection::track(const QString& name, const QByteArray& content)
{
    return file(m_album + QStringLiteral("/Brani/") + name, content);
}

Collection& Collection::marker(const QString& name, const QByteArray& line)
{
    return file(m_album + QStringLiteral("/Brani/") + name, line + "\r\n");
}

Collection& Collection::picture(const QString& name, const QByteArray& content)
{
    return file(m_album + QStringLiteral("/Immagini/") + name, content);
}

Collection& Collection::file(const QString& relative, const QByteArray& content)
{
    return rawFile(QFile::encodeName(relative), content);
}

Collection& Collection::folder(const QString& relative)
{
    QDir().mkpath(path(relative));
    return *this;
}

Collection& Collection::rawFile(const QByteArray& relative, const QByteArray& content)
{
    const QByteArray full = QFile::encodeName(root()) + relative;
    const qsizetype slash = full.lastIndexOf('/');
    QDir().mkpath(QFile::decodeName(full.left(slash)));
    const int fd = ::open(full.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        if (::write(fd, content.constData(), size_t(content.size())) != content.size())
            qWarning("short write");
        ::close(fd);
    }
    return *this;
}
