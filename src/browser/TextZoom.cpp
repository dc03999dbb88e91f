#include "TextZoom.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vastrel::browser {

namespace {

// Small steps near the normal size, where a step is seen most.
constexpr int kSteps[] = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};

} // namespace

int TextZoom::apply(int percent, Step step)
{
    switch (step) {
    case Step::Larger: {
        const auto* next = std::upper_bound(std::begin(kSteps), std::end(kSteps), percent);
        return next == std::end(kSteps) ? kLargest : *next;
    }
    case Step::Smaller: {
        const auto* at = std::lower_bound(std::begin(kSteps), std::end(kSteps), percent);
        return at == std::begin(kSteps) ? kSmallest : *std::prev(at);
    }
    case Step::Normal:
        break;
    }
    return kNormal;
}

int TextZoom::clamp(double percent)
{
    return int(std::lround(std::clamp(percent, double(kSmallest), double(kLargest))));
}

} // namespace vastrel::browser
