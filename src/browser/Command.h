#pragma once

#include "LayoutControl.h"

#include <cstddef>
#include <optional>

namespace vastrel::browser {

// The commands of the main window. A command comes from its button or picture and from its
// keys (KeyMap); the window gives it only while the session offers it (MainView).
enum class Command
{
    Play,
    SelectAllAlbums,
    SwitchAlbumsMode,
    SelectAllTracks,
    SwitchTracksMode,
    SearchTitles,
    ToggleOrder,
    SelectText,
    CopyText,
    SearchText,
    FindNext,
    NextPaneMode,
    SwitchSize,
    About,
    Close,
    Print,
    PrintPreview,
    ZoomIn,
    ZoomOut,
    ZoomNormal,
    Read,
    Count
};

inline constexpr std::size_t kCommandCount = std::size_t(Command::Count);

constexpr std::size_t commandIndex(Command command)
{
    return std::size_t(command);
}

// The control that gives the command, where the layout may hide it; a command without one
// is always on show.
constexpr std::optional<LayoutControl> buttonOf(Command command)
{
    switch (command) {
    case Command::SelectText:
        return LayoutControl::cmdSelTesto;
    case Command::CopyText:
        return LayoutControl::cmdCopia;
    case Command::SearchText:
        return LayoutControl::cmdCercaTesto;
    case Command::FindNext:
        return LayoutControl::cmdCercaAvanti;
    case Command::NextPaneMode:
        return LayoutControl::cmdCopertina;
    default:
        return std::nullopt;
    }
}

} // namespace vastrel::browser
