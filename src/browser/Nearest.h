#pragma once

#include <cmath>

namespace vastrel::browser {

// The whole number nearest to n / 2, halves going to the even neighbour, without a detour
// through floating point. Relies on >> rounding towards minus infinity, which C++20
// guarantees for negative numbers too.
constexpr int nearestHalf(int n)
{
    const int below = n >> 1;
    const bool half = (n & 1) != 0;
    return half && (below & 1) != 0 ? below + 1 : below;
}

// The whole number nearest to x, halves going to the even neighbour: nearbyint() rounds in
// the current rounding mode, which the program never changes from round-to-nearest-even.
inline int nearest(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

} // namespace vastrel::browser
