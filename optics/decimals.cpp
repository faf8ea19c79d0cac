// SPDX-License-Identifier: MIT
#include "decimals.h"

namespace optics {

std::string decimalText(long long units, int decimals, std::string_view separator)
{
    // The magnitude as unsigned, so that the most negative value has one too.
    const unsigned long long magnitude = units < 0 ? 0ULL - (unsigned long long)units : units;
    std::string digits = std::to_string(magnitude);
    if (int(digits.size()) <= decimals)
        digits.insert(0, std::size_t(decimals + 1) - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - std::size_t(decimals), separator);
    return units < 0 ? '-' + digits : digits;
}

} // namespace optics
