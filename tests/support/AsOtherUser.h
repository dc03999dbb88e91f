#pragma once

#include <QStringList>
#include <functional>

// Runs a check in a child process that has dropped to the unprivileged user "nobody", so
// that permission tests mean something when the suite runs as root. Returns the check's
// answer; false when the child could not be made. The child is a fork: it may only use what
// needs no thread (Qt's painting does), see runSelfAsOtherUser for windows.
bool asOtherUser(const std::function<bool()>& check);

// Runs this test program again, in a fresh process with the given arguments and this
// program's platform, as "nobody" when the suite runs as root. The program's main()
// recognises the arguments.
enum class ChildRun
{
    Passed,
    Failed,
    CannotStart, // "nobody" may not run the program where it was built
};
ChildRun runSelfAsOtherUser(const QStringList& arguments);

// The uid of "nobody", for making files that belong to another user.
unsigned otherUserId();
