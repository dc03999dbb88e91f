#pragma once

#include "LayoutControl.h"
#include "PaneMode.h"

#include <QSize>

namespace vastrel::browser {

// What the layout reads from the window. Sizes and positions are in pixels, positions in
// client coordinates.
struct LayoutInput
{
    QSize client;          // the inside of the window
    QSize outer;           // the window with its frame
    QSize screen;          // the whole screen
    bool halfMode = false; // element 1 of imgEC is visible
    PaneMode paneMode = PaneMode::Both;
    bool maximized = false;
    bool minimized = false;
    int labelHeight = 0; // the height of lblMostra, used for every label
    // The frame measures of the last layout. A minimized window keeps them, because the
    // outer and client sizes of a minimized window need not describe its frame and the size
    // limits go on using them when the window is restored.
    int previousBorderWidth = 0;
    int previousCaptionHeight = 0;
    ControlRects current{};
    ControlFlags visible{};
};

// What the window should look like. The window applies a geometry or a visibility only where
// it differs from the control's present one, so that an unchanged picture or text is not
// redrawn on every resize.
struct LayoutResult
{
    // The frame measures and the module-wide size limits; outer sizes.
    int borderWidth = 0;
    int captionHeight = 0;
    int maxWindowWidth = 0;
    int maxWindowHeight = 0;
    int minWindowWidth = 0;
    // False for a minimized window: then geometry and visible are the current ones.
    bool laidOut = false;
    ControlRects geometry{};
    ControlFlags visible{};
    // The layout quantities; 0 when not laid out. Not clamped: only the sizes given to
    // controls are.
    int listWidth = 0;
    int listHeight = 0;
    // What the outer width leaves the track list beyond the album list's width: -1, 0 or 1
    // with a symmetric frame, the pixel that halving the width dropped.
    int spareWidth = 0;
    // Half of what the lists are higher than their smallest height: it spreads the buttons
    // of the middle column.
    int extraGap = 0;
    int pictureSide = 0;
};

// The layout of frmVL: every control's place and visibility from the client size, the size
// mode and the pane mode.
class MainLayout
{
public:
    static LayoutResult compute(const LayoutInput& input);
    // Whether a control shows in the given size and pane mode: the lower half's controls
    // follow the modes, the upper half's always show.
    static bool shows(LayoutControl control, SizeMode sizeMode, PaneMode paneMode);
};

} // namespace vastrel::browser
