// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace optics {

/** 10^n, exact up to 10^27. */
constexpr long double powerOfTen(int n)
{
    long double power = 1;
    for (int i = 0; i < n; ++i)
        power *= 10;
    return power;
}

/**
 * `units` whole units of the last of `decimals` decimals as text, no grouping:
 * (20, 3, ",") → "0,020", (-5, 1, ".") → "-0.5".
 */
std::string decimalText(long long units, int decimals, std::string_view separator);

} // namespace optics
