#include "AsOtherUser.h"

#include <QFile>
#include <QGuiApplication>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr unsigned kNobody = 65534;
constexpr int kCannotStart = 127;

bool dropToNobody()
{
    return ::geteuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
}

int waitForExitCode(pid_t pid)
{
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
} // namespace

unsigned otherUserId()
{
    return kNobody;
}

bool asOtherUser(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        if (!dropToNobody())
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    return waitForExitCode(pid) == 0;
}

ChildRun runSelfAsOtherUser(const QStringList& arguments)
{
    // Everything the child needs is made before the fork: after it, only system calls. The
    // child gets this program's platform, also when that came as an argument, not from the
    // environment.
    QByteArrayList storage{QFile::encodeName(QCoreApplication::applicationFilePath()), "-platform",
                           QGuiApplication::platformName().toLocal8Bit()};
    for (const QString& a : arguments)
        storage.append(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        return ChildRun::Failed;
    if (pid == 0) {
        if (dropToNobody())
            ::execv(argv[0], argv.data());
        ::_exit(kCannotStart);
    }
    switch (waitForExitCode(pid)) {
    case 0:
        return ChildRun::Passed;
    case kCannotStart:
        return ChildRun::CannotStart;
    default:
        return ChildRun::Failed;
    }
}
