#pragma once

namespace vastrel::browser {

// What the lower half of the main window shows in full mode. The pane-mode button steps
// through the four values in turn, so the window shows both, texts only, both again and
// pictures only.
enum class PaneMode : int
{
    Both = 0,
    TextsOnly = 1,
    BothAgain = 2,
    PicturesOnly = 3,
};

constexpr int kPaneModeCount = 4;

constexpr PaneMode nextPaneMode(PaneMode mode)
{
    return PaneMode((int(mode) + 1) % kPaneModeCount);
}

// Full mode shows the lists and the lower half; half mode only the lists.
enum class SizeMode
{
    Full,
    Half,
};

} // namespace vastrel::browser
