#pragma once

#include <functional>

// Runs a check in a child process that has dropped to the unprivileged user "nobody", so
// that permission tests mean something when the suite runs as root. Returns the check's
// answer; false when the child could not be made.
bool asOtherUser(const std::function<bool()>& check);
// The uid of "nobody", for making files that belong to another user.
unsigned otherUserId();
