#include "ReadingKeys.h"

namespace vastrel::browser {

namespace {

using enum ReadingKeys::Action;

constexpr Qt::KeyboardModifiers kCounted =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

struct Row
{
    int key;
    ReadingKeys::Action action;
    Qt::KeyboardModifiers modifiers = {};
    // The size keys stand where keyboards put them: "+" needs Shift on some, and Ctrl with
    // them zooms as in the main window.
    bool anyModifiers = false;
};

// C hides and shows the side block (the second column).
constexpr Row kRows[] = {
    {Qt::Key_PageDown, NextPage},
    {Qt::Key_Space, NextPage},
    {Qt::Key_Right, NextPage},
    {Qt::Key_Down, NextPage},
    {Qt::Key_PageUp, PreviousPage},
    {Qt::Key_Backspace, PreviousPage},
    {Qt::Key_Left, PreviousPage},
    {Qt::Key_Up, PreviousPage},
    {Qt::Key_Home, FirstPage},
    {Qt::Key_End, LastPage},
    {Qt::Key_N, NextSong},
    {Qt::Key_P, PreviousSong},
    {Qt::Key_Plus, Larger, {}, true},
    {Qt::Key_Equal, Larger, {}, true},
    {Qt::Key_Minus, Smaller, {}, true},
    {Qt::Key_0, NormalSize, {}, true},
    {Qt::Key_C, ToggleSide},
    {Qt::Key_Escape, Close},
    {Qt::Key_L, Close, Qt::ControlModifier},
};

} // namespace

std::optional<ReadingKeys::Action> ReadingKeys::lookup(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & kCounted;
    for (const Row& row : kRows) {
        if (row.key == key && (row.anyModifiers || held == row.modifiers))
            return row.action;
    }
    return std::nullopt;
}

} // namespace vastrel::browser
