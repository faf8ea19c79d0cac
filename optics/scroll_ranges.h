// SPDX-License-Identifier: MIT
#pragma once

#include "spectrum.h"

#include <algorithm>

namespace optics {

/** The positions one of the main window's scroll bars takes, and its steps. */
struct ScrollRange
{
    int min;
    int max;
    int smallStep;
    int largeStep;

    /** `position` brought into the range. */
    constexpr int clamp(int position) const { return std::clamp(position, min, max); }
};

/** `suwak1`: the wavelength index into the spectrum tables, 380 to 760 nm. */
inline constexpr ScrollRange kSuwak1Range {1, kSpectrumSize, 1, 1};
/** `suwak2`: the slit separation [µm]. */
inline constexpr ScrollRange kSuwak2Range {20, 40, 1, 1};
/** `suwak3`: the distance from the slits to the screen plus 20 [cm]. */
inline constexpr ScrollRange kSuwak3Range {170, 220, 1, 1};
/** `suwak_a`: the slit width / 100 [nm]. */
inline constexpr ScrollRange kSuwakARange {10, 100, 1, 10};

} // namespace optics
