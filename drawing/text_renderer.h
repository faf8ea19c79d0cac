// SPDX-License-Identifier: MIT
#pragma once

#include "raster_target.h"
#include "surface.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

namespace drawing::text {

/**
 * The cell a text takes in a font: the advance width of the displayed text by the font's height
 * (ascent + descent). Empty without a GUI application, which fonts need.
 */
QSize cellSize(const Font &font, const QString &text);

/**
 * Draws `text` with its cell's top-left at surface point `at`: the cell filled with
 * `background`, then the glyphs in `ink` on the baseline at the font's ascent, all clipped to
 * `target`, which must be a window onto `image`. A text drawn before in the same font and colours
 * is copied from a small cache of rendered cells; a text whose glyphs reach outside its cell is
 * drawn by Qt each time, so that its overhang blends with what lies beneath.
 */
void drawText(QImage &image, const raster::RasterTarget &target, raster::Point at, const Font &font,
              const QString &text, QRgb background, QRgb ink);

/** Empties the caches of fonts and rendered cells. */
void clearTextCaches();

} // namespace drawing::text
