#pragma once

#include <QFlags>
#include <Qt>

namespace vastrel::platform {

// The modifier keys of a key or mouse gesture, with the bit values the program's handlers
// are written in.
enum class Modifier : int
{
    Shift = 1,
    Ctrl = 2,
    Alt = 4,
};
Q_DECLARE_FLAGS(Modifiers, Modifier)
Q_DECLARE_OPERATORS_FOR_FLAGS(Modifiers)

inline Modifiers modifiersOf(Qt::KeyboardModifiers modifiers)
{
    Modifiers mask;
    mask.setFlag(Modifier::Shift, modifiers.testFlag(Qt::ShiftModifier));
    mask.setFlag(Modifier::Ctrl, modifiers.testFlag(Qt::ControlModifier));
    mask.setFlag(Modifier::Alt, modifiers.testFlag(Qt::AltModifier));
    return mask;
}

} // namespace vastrel::platform
