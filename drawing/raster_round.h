// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

namespace drawing::raster {

/**
 * A real value to the nearest integer, ties to the even neighbour (the default rounding mode),
 * as every colour component and pixel row is rounded. rint on long double is a single x87
 * instruction, where lrint is a library call. The whole number is handed over as a double
 * (exact below 2^53): converting a long double straight to int makes the x87 switch its
 * rounding mode twice, which costs more than all the rest. Held to ±2^30, NaN to the lower
 * bound, so that the conversion is always defined.
 */
inline int nearestEven(long double value)
{
    constexpr long double kFar = 0x1p30L;
    const long double rounded = std::rint(value);
    if (!(rounded > -kFar))
        return -int(kFar);
    return rounded < kFar ? int(double(rounded)) : int(kFar);
}

} // namespace drawing::raster
