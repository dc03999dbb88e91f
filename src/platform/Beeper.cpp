#include "Beeper.h"

namespace vastrel::platform {

namespace {

std::function<void()>& sound()
{
    static std::function<void()> s;
    return s;
}

int& counter()
{
    static int n = 0;
    return n;
}

} // namespace

void Beeper::beep()
{
    ++counter();
    if (sound())
        sound()();
}

void Beeper::setSound(std::function<void()> s)
{
    sound() = std::move(s);
}

int Beeper::count()
{
    return counter();
}

void Beeper::resetCount()
{
    counter() = 0;
}

} // namespace vastrel::platform
