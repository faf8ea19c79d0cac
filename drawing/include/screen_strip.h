// SPDX-License-Identifier: MIT
#pragma once

#include "intensity_profile.h"
#include "setting.h"
#include "spectrum.h"
#include "surface.h"

#include <QChar>
#include <QString>

namespace drawing {

/** Top-left corner of the pattern strip on the client area, and its size. */
inline constexpr QPoint kStripOrigin {8, 105};
inline constexpr QSize kStripSize {361, 40};

/**
 * A number in fixed point with `decimals` digits (at most 18) after `separator`, no grouping:
 * value · 10^decimals in extended precision, rounded to the nearest integer with halves away
 * from zero.
 */
QString formatFixed(long double value, int decimals, QChar separator);

/**
 * The four readouts right of their labels, in Arial 12 px on the face colour, from the setting
 * (with "a <<" the slit width readout still shows its scroll bar). Leaves that font face and
 * height and the face brush on `window`.
 */
void drawReadouts(Surface &window, const optics::Setting &setting, QChar decimalSeparator);

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
