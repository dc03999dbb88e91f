#pragma once

#include <Qt>

namespace vastrel::platform {

// The modifier mask of the program's key and mouse handlers: 1 Shift, 2 Ctrl, 4 Alt.
class ModifierMask
{
public:
    static constexpr int kShift = 1;
    static constexpr int kCtrl = 2;
    static constexpr int kAlt = 4;

    static int fromQt(Qt::KeyboardModifiers modifiers)
    {
        return (modifiers.testFlag(Qt::ShiftModifier) ? kShift : 0) |
               (modifiers.testFlag(Qt::ControlModifier) ? kCtrl : 0) |
               (modifiers.testFlag(Qt::AltModifier) ? kAlt : 0);
    }
};

} // namespace vastrel::platform
