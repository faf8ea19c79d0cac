// SPDX-License-Identifier: MIT
#pragma once

#include "intensity.h"
#include "intensity_profile.h"
#include "spectrum.h"
#include "surface.h"

namespace drawing {

/** Top-left corner of the graph panel on the client area, and its size. */
inline constexpr QPoint kGraphOrigin {8, 14};
inline constexpr QSize kGraphSize {361, 76};

/** Row of the graph panel for screen offset x [mm]: 74 − round(72·I). */
int graphRow(const optics::Parameters &params, double x);

/**
 * Paints the intensity graph panel of `profile`'s setting (frame, baseline, centre line and the
 * curve in the colour of its wavelength) and copies it to (8, 14) of `window`. Changes nothing
 * of `window`'s pen, brush or font.
 */
void drawIntensityGraph(Surface &window, const optics::IntensityProfile &profile,
                        const optics::SpectrumTables &tables);

} // namespace drawing
