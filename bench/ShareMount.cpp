#include "ShareMount.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

#ifdef VASTREL_SHAREFS
const QString kShareFs = QStringLiteral(VASTREL_SHAREFS);
#else
const QString kShareFs;
#endif
constexpr int kMountWaitMs = 10000;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGABRT};

// Prepared before the handler can run: a signal handler may only make system calls.
char fusermount[4096];
char mountPoint[4096];

QString fusermountPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("fusermount3"));
}

void unmountAndDie(int signal)
{
    const pid_t child = ::fork();
    if (child == 0) {
        char* const argv[] = {fusermount,
                              const_cast<char*>("-u"),
                              const_cast<char*>("-z"),
                              const_cast<char*>("-q"),
                              mountPoint,
                              nullptr};
        ::execv(fusermount, argv);
        ::_exit(127);
    }
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    ::rmdir(mountPoint);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void copyPath(char* to, const QString& path)
{
    std::strncpy(to, QFile::encodeName(path).constData(), 4095);
}

} // namespace

QString ShareMount::unavailable()
{
    if (kShareFs.isEmpty() || !QFile::exists(kShareFs))
        return QStringLiteral("vastrel_sharefs is not built (libfuse3-dev was missing)");
    if (::access("/dev/fuse", R_OK | W_OK) != 0)
        return QStringLiteral("/dev/fuse cannot be opened");
    if (fusermountPath().isEmpty())
        return QStringLiteral("fusermount3 is not installed (Debian package fuse3)");
    return {};
}

ShareMount::ShareMount(const QString& source, int latencyMs, bool untyped)
    : m_point(QDir::tempPath() + QStringLiteral("/vastrel-share-XXXXXX"))
{
    // Should this process die without a word, the share is told to unmount itself.
    m_fs.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    QStringList arguments = {QString::number(latencyMs), source, m_point.path()};
    if (untyped)
        arguments.prepend(QStringLiteral("--untyped"));
    m_fs.start(kShareFs, arguments);
    while (!m_fs.canReadLine() && m_fs.waitForReadyRead(kMountWaitMs)) {
    }
    if (m_fs.readLine().trimmed() != "ready") {
        const QByteArray said = m_fs.readAllStandardError().trimmed();
        m_error = said.isEmpty()
                      ? QStringLiteral("vastrel_sharefs did not mount (%1)").arg(m_fs.errorString())
                      : QString::fromLocal8Bit(said.split('\n').constLast());
        unmount();
        return;
    }
    m_mounted = true;
    copyPath(fusermount, fusermountPath());
    copyPath(mountPoint, m_point.path());
    for (int s : kSignals)
        std::signal(s, unmountAndDie);
}

ShareMount::~ShareMount()
{
    unmount();
}

long ShareMount::requests()
{
    m_fs.write("count\n");
    m_fs.waitForBytesWritten();
    while (!m_fs.canReadLine() && m_fs.waitForReadyRead(kMountWaitMs)) {
    }
    return m_fs.readLine().trimmed().toLong();
}

QString ShareMount::root() const
{
    return m_mounted ? m_point.path() + u'/' : QString();
}

void ShareMount::unmount()
{
    for (int s : kSignals)
        std::signal(s, SIG_DFL);
    if (m_fs.state() == QProcess::NotRunning && !m_mounted)
        return;
    const QString path = m_point.path();
    // A lazy unmount when something still holds the share open.
    const bool unmounted =
        QProcess::execute(fusermountPath(), {QStringLiteral("-u"), QStringLiteral("-q"), path}) ==
            0 ||
        QProcess::execute(fusermountPath(), {QStringLiteral("-u"), QStringLiteral("-z"),
                                             QStringLiteral("-q"), path}) == 0;
    if (!m_fs.waitForFinished(5000)) {
        m_fs.kill();
        m_fs.waitForFinished();
    }
    // Removing the folder while still mounted would walk the share.
    if (m_mounted && !unmounted)
        m_point.setAutoRemove(false);
    m_mounted = false;
}
