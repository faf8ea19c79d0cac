// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstdint>

namespace drawing {

/**
 * The nearest integer, ties to the even neighbour: how pixel coordinates, rows and colour
 * components are rounded unless a rule says otherwise. Held to ±2^30 (far off every surface),
 * not a number to −2^30, so that the conversion is always defined.
 */
inline int roundHalfEven(long double value)
{
    constexpr long double kFar = 0x1p30L;
    if (!(value > -kFar))
        return -int(kFar);
    if (!(value < kFar))
        return int(kFar);
    // lrint rounds in the default mode, ties to even, and converts in one step; nearbyint would
    // save and restore the whole floating-point environment on every call.
    return int(std::lrint(value));
}

/**
 * The nearest integer, halves away from zero: the half-widths of a wide pen's band. |value| must
 * stay below 2^62. Worked out inline, as llround is a library call and a redraw makes
 * thousands.
 */
inline std::int64_t roundHalfAwayFromZero(double value)
{
    const double magnitude = std::fabs(value);
    auto whole = std::int64_t(magnitude);
    if (magnitude - double(whole) >= 0.5) // exact: the fraction of a double is a double
        ++whole;
    return value < 0 ? -whole : whole;
}

/**
 * numerator / denominator to the nearest integer, halves up (towards plus infinity), exactly:
 * the anisotropic mapping. The denominator is not 0; both stay below 2^61 in magnitude.
 */
inline std::int64_t divideRoundingHalfUp(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    // floor((2n + d) / 2d)
    const std::int64_t twice = 2 * numerator + denominator;
    const std::int64_t quotient = twice / (2 * denominator);
    return quotient - (twice % (2 * denominator) < 0 ? 1 : 0);
}

} // namespace drawing
