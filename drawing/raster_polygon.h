// SPDX-License-Identifier: MIT
#pragma once

#include "raster_target.h"

#include <span>

namespace drawing::raster {

/**
 * Fills the inside of the closed polygon by the even-odd rule. Pixel (x, y) is filled when the
 * point (x, y) is inside: each row's span covers xl <= x < xr (left edge in, right edge out,
 * also on exact integers) and each edge counts for rows ymin <= y < ymax (top in, bottom out).
 */
void fillPolygon(const RasterTarget &target, std::span<const Point> points, QRgb rgb);

/**
 * fillPolygon of the parallelogram `corner`, `corner + side`, `corner + side + along`,
 * `corner + along` (the band of every slanted wide line), pixel for pixel the same: each row's
 * span comes straight from the two pairs of parallel edges, walked from row to row in integers,
 * with no edge list, sort or division per row.
 */
void fillParallelogram(const RasterTarget &target, const Point &corner, const Point &side,
                       const Point &along, QRgb rgb);

} // namespace drawing::raster
