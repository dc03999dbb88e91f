#pragma once

#include "Command.h"

#include <Qt>
#include <optional>

namespace vastrel::browser {

// The main window's key table. It sees every key of the window before the focused control:
// the first row that fits a key and the modifiers held with it decides. A consumed key never
// reaches the control, nor any shortcut or access key, also when its command is not offered
// at the time; a key that no row takes is untouched and goes on as usual. Shift, Ctrl and
// Alt count; other modifiers are ignored.
class KeyMap
{
public:
    // Which modifiers a row asks for: exactly the ones it names (none when it names none), at
    // least one of them, or any.
    enum class Held
    {
        Exactly,
        Some,
        Any,
    };

    struct Row
    {
        int key = 0;
        Held held = Held::Exactly;
        Qt::KeyboardModifiers modifiers = {};
        // None: the key does nothing.
        std::optional<Command> command = std::nullopt;
        bool consumed = true;
    };

    struct Result
    {
        std::optional<Command> command;
        bool consumed = false;
    };

    static Result lookup(int key, Qt::KeyboardModifiers modifiers);
};

} // namespace vastrel::browser
