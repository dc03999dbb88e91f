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

double WindowLimits::halvedOuterHeight(int SH, int captionHeight, int borderWidth)
{
    return (SH + 8) / 2.0 + captionHeight + borderWidth;
}

int WindowLimits::doubledOuterHeight(int SH, int captionHeight, int borderWidth)
{
    return 2 * SH + captionHeight + borderWidth - 8;
}

int WindowLimits::clientHeightFor(double outerHeight, int captionHeight, int borderWidth)
{
    return nearest(outerHeight - captionHeight - borderWidth);
}

} // namespace vastrel::browser
