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

} // namespace drawing::raster
