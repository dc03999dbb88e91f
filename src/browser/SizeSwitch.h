#pragma once

#include "PaneMode.h"

#include <optional>

namespace vastrel::browser {

// What the size switch does to the main window. Halving and doubling keep the list height;
// a maximized window keeps its size and is laid out again. The picture is not loaded in
// half mode, so it is brought up to date before the window shows it again.
struct SizeSwitch
{
    SizeMode mode = SizeMode::Full;
    // The picture display runs before the size changes.
    bool showPicture = false;
    // The client height asked for; none: the size stays and the layout runs again.
    std::optional<int> clientHeight;

    // Switching a window of the given client height to a mode; nothing for a minimized one.
    static std::optional<SizeSwitch> to(SizeMode mode, bool maximized, bool minimized,
                                        int clientHeight, int captionHeight, int borderWidth);
};

} // namespace vastrel::browser
