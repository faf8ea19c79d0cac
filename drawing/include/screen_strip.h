// SPDX-License-Identifier: MIT
#pragma once

#include "intensity_profile.h"
#include "scroll_ranges.h"
#include "spectrum.h"
#include "surface.h"

namespace drawing {

/** Top-left corner of the pattern strip on the client area, and its size. */
inline constexpr QPoint kStripOrigin {8, 105};
inline constexpr QSize kStripSize {361, 40};

/** The colour the strip paints at screen offset x [mm]: the wavelength's colour scaled by I. */
Colour stripColour(const optics::IntensityProfile &profile, const optics::SpectrumTables &tables,
                   int x);

/**
 * Paints the 361 × 40 strip of `profile`'s setting and copies it to (8, 105) of `window`. Column
 * i shows the screen at x = i − 180 mm, as the scale printed under the graph reads it.
 */
void drawPatternStrip(Surface &window, const optics::IntensityProfile &profile,
                      const optics::SpectrumTables &tables);

} // namespace drawing
