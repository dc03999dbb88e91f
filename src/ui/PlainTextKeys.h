#pragma once

#include "texts/CaretMotion.h"

#include <optional>

class QKeyEvent;

namespace vastrel::ui {

// What a key does in a read-only text view, by the platform's standard key bindings: copy,
// select all, or move the caret (extending the selection or not). Other keys do nothing.
class PlainTextKeys
{
public:
    enum class Command
    {
        Copy,
        SelectAll,
        Move
    };

    struct Action
    {
        Command command;
        texts::CaretMotion::Move motion = texts::CaretMotion::Move::NextChar;
        bool extend = false;
    };

    static std::optional<Action> actionFor(const QKeyEvent* event);
};

} // namespace vastrel::ui
