// SPDX-License-Identifier: MIT
#pragma once

#include "raster_target.h"

namespace drawing::raster {

/**
 * A 1-pixel line from `from` to `to`: one pixel per step along the major axis, the minor
 * coordinate rounded to the nearest integer with exact halves going towards minus infinity, the
 * start pixel set and the end pixel left out. A zero-length line sets nothing.
 */
void drawThinLine(const RasterTarget &target, const Point &from, const Point &to, QRgb rgb);

/**
 * The round end of a pen of `width` pixels (1 to 3) around `centre`: the pixel itself for
 * width 1, a 2 x 2 block up and left of it for width 2, a five-pixel plus for width 3.
 */
void drawPenDot(const RasterTarget &target, Point centre, int width, QRgb rgb);

/**
 * A line of a pen 2 or 3 pixels wide, both end points included, with a round cap at each
 * end. Horizontal and vertical lines are bands of `width` rows (columns) starting width / 2
 * above (left of) the line; slanted ones a four-corner band filled by the polygon rule.
 */
void drawWideLine(const RasterTarget &target, const Point &from, const Point &to, int width,
                  QRgb rgb);

/** Either of the two above, by the pen width (1 to 3). */
void drawPenLine(const RasterTarget &target, const Point &from, const Point &to, int width,
                 QRgb rgb);

} // namespace drawing::raster
