#pragma once

#include "LayoutMetrics.h"

#include <QSize>

namespace vastrel::browser {

// The smallest and largest size of frmVL, and the heights the size switch asks for. The
// limits depend on the size mode: half mode needs less height.
class WindowLimits
{
public:
    // The smallest client area the layout is made for: the smallest lists. Halving a window
    // of the smallest full-mode height gives the smallest half-mode height.
    static constexpr int kMinClientWidth = 2 * metrics::kMinListWidth + metrics::kAcross;
    static constexpr int kMinClientHeightFull = 2 * metrics::kMinListHeight + metrics::kDownFull;
    static constexpr int kMinClientHeightHalf = metrics::kMinListHeight + metrics::kDownHalf;

    struct Limits
    {
        QSize minimum;
        QSize maximum;
    };

    // The outer limits, from the module-wide values that the layout keeps up to date.
    static Limits compute(int borderWidth, int captionHeight, bool halfMode, int minWindowWidth,
                          int maxWindowWidth, int maxWindowHeight);

    // The same limits for the client area, which is what Qt's setMinimumSize() and
    // setMaximumSize() take; frame is the outer size less the client size (2 x border width,
    // caption height + border width). A limit never goes below 0.
    static Limits clientLimits(const Limits& outer, QSize frame);

    // The outer height that halving a window of the given client height asks for, as the
    // exact real number (client height + 8) / 2 + caption height + border width.
    static double halvedOuterHeight(int clientHeight, int captionHeight, int borderWidth);

    // The outer height that doubling a window of the given client height asks for.
    static int doubledOuterHeight(int clientHeight, int captionHeight, int borderWidth);

    // The client height a window gets when the size switch asks for outerHeight: the window
    // system's conversion to whole pixels. The client part is rounded, halves to even, and
    // not the outer height: with an odd frame (4 + 23) rounding the outer height would round
    // the client part the other way half of the time and change the list height by 1.
    static int clientHeightFor(double outerHeight, int captionHeight, int borderWidth);
};

} // namespace vastrel::browser
