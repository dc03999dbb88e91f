#include "KeyMap.h"

namespace vastrel::browser {

namespace {

using enum Command;
using Held = KeyMap::Held;
using Row = KeyMap::Row;

constexpr Qt::KeyboardModifiers kCounted =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// The select-all keys switch the button's mode when held with a modifier; the text commands
// and the pane-mode key take no modifier. Alt+F4 belongs to the window system, which closes
// the window through its close handling. The close letters close only with a modifier.
constexpr Row kRows[] = {
    {.key = Qt::Key_F1, .command = SelectAllAlbums},
    {.key = Qt::Key_F1, .held = Held::Any, .command = SwitchAlbumsMode},
    {.key = Qt::Key_F2, .command = Play},
    {.key = Qt::Key_F2, .held = Held::Any},
    {.key = Qt::Key_F3, .command = SelectAllTracks},
    {.key = Qt::Key_F3, .held = Held::Any, .command = SwitchTracksMode},
    {.key = Qt::Key_F4, .modifiers = Qt::AltModifier, .consumed = false},
    {.key = Qt::Key_F4, .command = SearchTitles},
    {.key = Qt::Key_F4, .held = Held::Any},
    {.key = Qt::Key_F5, .command = ToggleOrder},
    {.key = Qt::Key_F5, .held = Held::Any},
    {.key = Qt::Key_F6, .command = SelectText},
    {.key = Qt::Key_F6, .held = Held::Any},
    {.key = Qt::Key_F7, .command = CopyText},
    {.key = Qt::Key_F7, .held = Held::Any},
    {.key = Qt::Key_F8, .command = SearchText},
    {.key = Qt::Key_F8, .held = Held::Any},
    {.key = Qt::Key_F9, .command = FindNext},
    {.key = Qt::Key_F9, .held = Held::Any},
    {.key = Qt::Key_F10, .command = NextPaneMode},
    {.key = Qt::Key_F10, .held = Held::Any},
    {.key = Qt::Key_F11, .held = Held::Any, .command = SwitchSize},
    {.key = Qt::Key_F12, .held = Held::Any, .command = About},
    {.key = Qt::Key_I, .held = Held::Some, .command = About},
    {.key = Qt::Key_I},
    {.key = Qt::Key_Escape, .command = Close},
    {.key = Qt::Key_Escape, .held = Held::Any},
    {.key = Qt::Key_C, .held = Held::Some, .command = Close},
    {.key = Qt::Key_C},
    {.key = Qt::Key_X, .held = Held::Some, .command = Close},
    {.key = Qt::Key_X},
    {.key = Qt::Key_Q, .held = Held::Some, .command = Close},
    {.key = Qt::Key_Q},
    {.key = Qt::Key_E, .held = Held::Some, .command = Close},
    {.key = Qt::Key_E},
    {.key = Qt::Key_Z, .held = Held::Some, .command = Close},
    {.key = Qt::Key_Z},
    {.key = Qt::Key_P, .modifiers = Qt::ControlModifier, .command = Print},
    {.key = Qt::Key_P,
     .modifiers = Qt::ControlModifier | Qt::ShiftModifier,
     .command = PrintPreview},
    // The text size: "+" takes Shift on some keyboards, and "=" shares its key.
    {.key = Qt::Key_Plus, .modifiers = Qt::ControlModifier, .command = ZoomIn},
    {.key = Qt::Key_Plus, .modifiers = Qt::ControlModifier | Qt::ShiftModifier, .command = ZoomIn},
    {.key = Qt::Key_Equal, .modifiers = Qt::ControlModifier, .command = ZoomIn},
    {.key = Qt::Key_Minus, .modifiers = Qt::ControlModifier, .command = ZoomOut},
    {.key = Qt::Key_0, .modifiers = Qt::ControlModifier, .command = ZoomNormal},
    {.key = Qt::Key_L, .modifiers = Qt::ControlModifier, .command = Read},
};

bool fits(const Row& row, int key, Qt::KeyboardModifiers held)
{
    if (row.key != key)
        return false;
    switch (row.held) {
    case Held::Exactly:
        return held == row.modifiers;
    case Held::Some:
        return held != Qt::NoModifier;
    case Held::Any:
        break;
    }
    return true;
}

} // namespace

KeyMap::Result KeyMap::lookup(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & kCounted;
    for (const Row& row : kRows) {
        if (fits(row, key, held))
            return {row.command, row.consumed};
    }
    return {};
}

} // namespace vastrel::browser
