// SPDX-License-Identifier: MIT
#pragma once

#include "intensity_profile.h"
#include "scroll_ranges.h"
#include "spectrum.h"
#include "surface.h"

#include <QChar>
#include <QString>

namespace drawing {

/** Positions of the four scroll bars of the main window. */
struct ScrollPositions
{
    int suwak1 = optics::kSuwak1Range.min; ///< wavelength index
    int suwak2 = optics::kSuwak2Range.min; ///< slit separation [µm]
    int suwak3 = optics::kSuwak3Range.min; ///< slit-to-screen distance + 20 [cm]
    int suwak_a = optics::kSuwakARange.min; ///< slit width / 100 [nm]
};

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
 * The four readouts right of their labels, in Arial 12 px on the face colour, from the scroll
 * positions (with "a <<" the slit width readout still shows its scroll bar). Leaves that font
 * face and height and the face brush on `window`.
 */
void drawReadouts(Surface &window, const ScrollPositions &positions, QChar decimalSeparator);

/** The colour the strip paints at screen offset x [mm]: the wavelength's colour scaled by I. */
Colour stripColour(const optics::IntensityProfile &profile, const optics::SpectrumTables &tables,
                   int x);

/** Paints the 361 × 40 strip of `profile`'s setting and copies it to (8, 105) of `window`. */
void drawPatternStrip(Surface &window, const optics::IntensityProfile &profile,
                      const optics::SpectrumTables &tables);

} // namespace drawing
