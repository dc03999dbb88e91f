#include "AsOtherUser.h"

#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr unsigned kNobody = 65534;
}

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
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
