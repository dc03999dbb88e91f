#include "SizeSwitch.h"

#include "WindowLimits.h"

namespace vastrel::browser {

std::optional<SizeSwitch> SizeSwitch::to(SizeMode mode, bool maximized, bool minimized,
                                         int clientHeight, int captionHeight, int borderWidth)
{
    if (minimized)
        return std::nullopt;
    SizeSwitch change{mode, true, std::nullopt};
    if (maximized)
        return change;
    if (mode == SizeMode::Half) {
        change.showPicture = false;
        const double outer =
            WindowLimits::halvedOuterHeight(clientHeight, captionHeight, borderWidth);
        change.clientHeight = WindowLimits::clientHeightFor(outer, captionHeight, borderWidth);
    } else {
        const int outer =
            WindowLimits::doubledOuterHeight(clientHeight, captionHeight, borderWidth);
        change.clientHeight = WindowLimits::clientHeightFor(outer, captionHeight, borderWidth);
    }
    return change;
}

} // namespace vastrel::browser
