#pragma once

#include <functional>

namespace vastrel::platform {

// The system beep. The window library installs the real sound; tests count the beeps.
class Beeper
{
public:
    static void beep();
    static void setSound(std::function<void()> sound);
    static int count();
    static void resetCount();
};

} // namespace vastrel::platform
