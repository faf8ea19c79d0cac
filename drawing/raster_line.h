// SPDX-License-Identifier: MIT
#pragma once

#include "raster_target.h"

namespace drawing::raster {

/**
 * A 1-pixel line from `from` to `to`: one pixel per step along the major axis, the minor
 * coordinate rounded to the nearest integer with exact halves going towards minus infinity, the
 * start pixel set and the end pixel left out. A zero-length line sets nothing.
 */
void drawThinLine(const RasterTarget &target, Point from, Point to, QRgb rgb);

/**
 * The round end of a pen of `width` pixels around `centre`: a 2 x 2 block up and left of it for
 * width 2, a five-pixel plus for width 3, a disc for wider pens.
 */
void drawPenDot(const RasterTarget &target, Point centre, int width, QRgb rgb);

/** The rounded half-widths of a slanted wide line's band, before their signs are set. */
struct BandHalfWidths
{
    Point n; ///< (round(wx / 2), round(wy / 2))
    Point m; ///< (round((wx + 1) / 2), round((wy + 1) / 2))
};

/**
 * The half-widths of the band of a slanted line (dx, dy both non-zero) of a pen `width` pixels
 * wide: with len = hypot(dx, dy), wx = width · |dy| / len and wy = width · |dx| / len, each
 * rounded with halves away from zero, computed in doubles.
 */
BandHalfWidths bandHalfWidthsInReals(std::int64_t dx, std::int64_t dy, int width);

/** The same values, for the 2-pixel pen on lines of moderate length worked out in integers. */
BandHalfWidths bandHalfWidths(std::int64_t dx, std::int64_t dy, int width);

/**
 * A line of a pen 2 or more pixels wide, both end points included, with a round cap at each
 * end. Horizontal and vertical lines are bands of `width` rows (columns) starting width / 2
 * above (left of) the line; slanted ones a four-corner band filled by the polygon rule.
 */
void drawWideLine(const RasterTarget &target, Point from, Point to, int width, QRgb rgb);

/** Either of the two above, by the pen width (1 or less is the 1-pixel pen). */
void drawPenLine(const RasterTarget &target, Point from, Point to, int width, QRgb rgb);

} // namespace drawing::raster
