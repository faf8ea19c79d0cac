// SPDX-License-Identifier: MIT
#pragma once

#include "intensity.h"
#include "intensity_profile.h"
#include "spectrum.h"
#include "surface.h"

#include <QChar>
#include <QString>

namespace drawing {

/** Positions of the four scroll bars of the main window. */
struct ScrollPositions
{
    int suwak1 = 1; ///< wavelength index [1..381]
    int suwak2 = 20; ///< slit separation [µm, 20..40]
    int suwak3 = 170; ///< slit-to-screen distance + 20 [cm, 170..220]
    int suwak_a = 10; ///< slit width / 100 [nm, 10..100]
};

/** Top-left corner of the pattern strip on the client area, and its size. */
inline constexpr QPoint kStripOrigin {8, 105};
inline constexpr QSize kStripSize {361, 40};

/**
 * A number in fixed point with `decimals` digits after `separator`, no grouping. Rounded from the
 * exact binary value, exact halves away from zero; at most 18 decimals.
 */
QString formatFixed(long double value, int decimals, QChar separator);

/**
 * The first step of every redraw pass: reads the scroll positions into `params`, prints the
 * four readouts on `window` and paints the 361 × 40 pattern strip at (8, 105). Returns the
 * profile the strip was painted from, so that the graph of the same pass can be drawn from it
 * instead of evaluating the model a second time.
 */
optics::IntensityProfile drawScreenStrip(Surface &window, const ScrollPositions &positions,
                                         const optics::SpectrumTables &tables,
                                         optics::Parameters &params, QChar decimalSeparator);

/** The four readouts right of their labels, in Arial 12 px on the face colour. */
void drawReadouts(Surface &window, const ScrollPositions &positions, QChar decimalSeparator);

/** The colour the strip paints at screen offset x [mm]: the wavelength's colour scaled by I. */
Colour stripColour(const optics::IntensityProfile &profile, const optics::SpectrumTables &tables,
                   int x);

/** Paints the 361 × 40 strip of `profile`'s setting and copies it to (8, 105) of `window`. */
void drawPatternStrip(Surface &window, const optics::IntensityProfile &profile,
                      const optics::SpectrumTables &tables);

} // namespace drawing
