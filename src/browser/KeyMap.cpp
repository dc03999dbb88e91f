#include "KeyMap.h"

#include "platform/ModifierMask.h"

#include <Qt>

namespace vastrel::browser {

namespace {

using Action = KeyMap::Action;
using Result = KeyMap::Result;

constexpr int kF1 = 112, kF2 = 113, kF3 = 114, kF4 = 115, kF5 = 116, kF6 = 117, kF7 = 118,
              kF8 = 119, kF9 = 120, kF10 = 121, kF11 = 122, kF12 = 123, kEscape = 27, kI = 73,
              kP = 80;
constexpr int kNone = 0;
constexpr int kAlt = int(platform::Modifier::Alt);
constexpr int kCtrl = int(platform::Modifier::Ctrl);
constexpr int kCtrlShift = kCtrl | int(platform::Modifier::Shift);

Result consumed(Action action, bool allowed)
{
    return {allowed ? action : Action::None, true};
}

// F1 and F3: a select-all button, its click plain or its mode switch with a modifier.
Result selectAll(int mask, bool enabled, Action click, Action mode)
{
    return consumed(mask == kNone ? click : mode, enabled);
}

// F6 to F9: the text commands, only when their button is on show and enabled.
Result textCommand(int key, int mask, const KeyMap::Buttons& b)
{
    if (mask != kNone)
        return {Action::None, true};
    switch (key) {
    case kF6:
        return consumed(Action::SelectText, b.selTestoUsable);
    case kF7:
        return consumed(Action::CopyText, b.copiaUsable);
    case kF8:
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
        return consumed(Action::Close, mask != kNone);
    case kP:
        if (mask == kCtrl)
            return {Action::Print, true};
        if (mask == kCtrlShift)
            return {Action::PrintPreview, true};
        return {Action::None, false};
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
        return consumed(Action::Play, mask == kNone && b.suonaEnabled);
    case kF3:
        return selectAll(mask, b.selBraniEnabled, Action::SelectAllTracks,
                         Action::SwitchTracksMode);
    case kF4:
        // Alt+F4 is the window system's: it closes the window through the close handling.
        if (mask == kAlt)
            return {Action::None, false};
        return consumed(Action::SearchTitles, mask == kNone && b.cercaBranoEnabled);
    case kF5:
        return consumed(Action::ToggleOrder, mask == kNone);
    case kF6:
    case kF7:
    case kF8:
    case kF9:
        return textCommand(key, mask, b);
    case kF10:
        return consumed(Action::NextPaneMode, mask == kNone && b.copertinaVisible);
    case kF11:
        return consumed(b.halvingImageVisible ? Action::HalveWindow : Action::DoubleWindow, true);
    case kF12:
        return consumed(Action::About, true);
    case kI:
        return consumed(Action::About, mask != kNone);
    case kEscape:
        return consumed(Action::Close, mask == kNone);
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

} // namespace vastrel::browser
