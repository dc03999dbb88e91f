#include "WindowLimits.h"

#include "Nearest.h"

#include <algorithm>

namespace vastrel::browser {

WindowLimits::Limits WindowLimits::compute(int borderWidth, int captionHeight, bool halfMode,
                                           int minWindowWidth, int maxWindowWidth,
                                           int maxWindowHeight)
{
    const int minClientHeight = halfMode ? kMinClientHeightHalf : kMinClientHeightFull;
    return {QSize(minWindowWidth, borderWidth + captionHeight + minClientHeight),
            QSize(maxWindowWidth, maxWindowHeight)};
}

WindowLimits::Limits WindowLimits::clientLimits(const Limits& outer, QSize frame)
{
    const auto client = [frame](QSize size) {
        return QSize(std::max(0, size.width() - frame.width()),
                     std::max(0, size.height() - frame.height()));
    };
    return {client(outer.minimum), client(outer.maximum)};
}

// A full-mode window is two half-mode ones less one bottom margin: both keep the list height.
double WindowLimits::halvedOuterHeight(int clientHeight, int captionHeight, int borderWidth)
{
    return (clientHeight + metrics::kMargin) / 2.0 + captionHeight + borderWidth;
}

int WindowLimits::doubledOuterHeight(int clientHeight, int captionHeight, int borderWidth)
{
    return 2 * clientHeight - metrics::kMargin + captionHeight + borderWidth;
}

int WindowLimits::clientHeightFor(double outerHeight, int captionHeight, int borderWidth)
{
    return nearest(outerHeight - captionHeight - borderWidth);
}

} // namespace vastrel::browser
