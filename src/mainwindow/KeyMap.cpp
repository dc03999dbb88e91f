#include "KeyMap.h"

#include <Qt>

namespace vastrel::mainwindow {

namespace {

using Action = KeyMap::Action;
using Result = KeyMap::Result;

constexpr int kF1 = 112, kF2 = 113, kF3 = 114, kF4 = 115, kF5 = 116, kF10 = 121, kF11 = 122,
              kF12 = 123, kEscape = 27, kI = 73;
constexpr int kAlt = 4;

Result consumed(Action action, bool allowed)
{
    return {allowed ? action : Action::None, true};
}

// F1 and F3: a select-all button, its click plain or its mode switch with a modifier.
Result selectAll(int mask, bool enabled, Action click, Action mode)
{
    return consumed(mask == 0 ? click : mode, enabled);
}

// F6 to F9: the text commands, only when their button is on show and enabled.
Result textCommand(int key, int mask, const KeyMap::Buttons& b)
{
    if (mask != 0)
        return {Action::None, true};
    switch (key) {
    case 117:
        return consumed(Action::SelectText, b.selTestoUsable);
    case 118:
        return consumed(Action::CopyText, b.copiaUsable);
    case 119:
        return consumed(Action::SearchText, b.cercaTestoUsable);
    default:
        return consumed(Action::FindNext, b.cercaAvantiUsable);
    }
}

Result letter(int key, int mask)
{
    switch (key) {
    case 'C':
    case 'X':
    case 'Q':
    case 'E':
    case 'Z':
        return consumed(Action::Close, mask != 0);
    default:
        return {Action::None, false};
    }
}

} // namespace

KeyMap::Result KeyMap::Form_KeyDown(int key, int mask, const Buttons& b)
{
    switch (key) {
    case kF1:
        return selectAll(mask, b.selAlbumEnabled, Action::SelectAllAlbums,
                         Action::SwitchAlbumsMode);
    case kF2:
        return consumed(Action::Play, mask == 0 && b.suonaEnabled);
    case kF3:
        return selectAll(mask, b.selBraniEnabled, Action::SelectAllTracks,
                         Action::SwitchTracksMode);
    case kF4:
        // Alt+F4 is the window system's: it closes the window through the close handling.
        if (mask == kAlt)
            return {Action::None, false};
        return consumed(Action::SearchTitles, mask == 0 && b.cercaBranoEnabled);
    case kF5:
        return consumed(Action::ToggleOrder, mask == 0);
    case 117:
    case 118:
    case 119:
    case 120:
        return textCommand(key, mask, b);
    case kF10:
        return consumed(Action::NextPaneMode, mask == 0 && b.copertinaVisible);
    case kF11:
        return consumed(b.halvingImageVisible ? Action::HalveWindow : Action::DoubleWindow, true);
    case kF12:
        return consumed(Action::About, true);
    case kI:
        return consumed(Action::About, mask != 0);
    case kEscape:
        return consumed(Action::Close, mask == 0);
    default:
        return letter(key, mask);
    }
}

int KeyMap::codeOf(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return kF1 + (qtKey - Qt::Key_F1);
    if (qtKey == Qt::Key_Escape)
        return kEscape;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // the letters share their codes
    return 0;
}

} // namespace vastrel::mainwindow
