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
 * Paints the intensity graph panel (frame, baseline, centre line and the curve in the colour
 * of the current wavelength) and copies it to (8, 14) of `window`. Needs the parameters of the
 * current pass; changes nothing of `window`'s pen, brush or font.
 */
void drawIntensityGraph(Surface &window, const optics::Parameters &params,
                        const optics::SpectrumTables &tables);

/** The same panel from a profile already evaluated in this pass (see drawScreenStrip). */
void drawIntensityGraph(Surface &window, const optics::IntensityProfile &profile,
                        const optics::SpectrumTables &tables);

} // namespace drawing
