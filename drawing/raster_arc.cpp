// SPDX-License-Identifier: MIT
#include "raster_arc.h"

#include <algorithm>

namespace drawing::raster {

EllipseOutline::EllipseOutline(Point corner, Point oppositeCorner)
{
    const std::int64_t left = std::min(corner.x, oppositeCorner.x);
    const std::int64_t right = std::max(corner.x, oppositeCorner.x);
    const std::int64_t top = std::min(corner.y, oppositeCorner.y);
    const std::int64_t bottom = std::max(corner.y, oppositeCorner.y);
    const std::int64_t w = right - left;
    const std::int64_t h = bottom - top;
    m_rightX = left + w / 2;
    m_leftX = right - 1 - w / 2;
    m_lowerY = top + h / 2;
    m_upperY = bottom - 1 - h / 2;
    if (w <= 0 || h <= 0 || w > kMaxEllipseExtent || h > kMaxEllipseExtent)
        return;

    // The error-term walk of the ellipse inscribed in an a x b rectangle (a = w - 1, b = h - 1),
    // from its right end upwards; err tracks the implicit function at the next diagonal step.
    // Every turn steps x, y or both, and y never climbs past the top of the box, so the walk
    // ends within w + h turns and keeps at most w div 2 + h div 2 + 2 points.
    const std::int64_t a = w - 1;
    const std::int64_t b = h - 1;
    const std::int64_t oddB = b % 2;
    std::int64_t x = a;
    std::int64_t y = h / 2;
    std::int64_t dx = 4 * b * b * (1 - a);
    std::int64_t dy = 4 * a * a * (1 + oddB);
    std::int64_t err = dx + dy + a * a * oddB;
    m_quadrant.reserve(std::size_t(w / 2 + h / 2 + 2));
    while (x >= w / 2) {
        m_quadrant.push_back({std::int32_t(x - w / 2), std::int32_t(y - h / 2)});
        const std::int64_t e2 = 2 * err;
        if (e2 >= dx) {
            --x;
            dx += 8 * b * b;
            err += dx;
        }
        if (e2 <= dy) {
            ++y;
            dy += 8 * a * a;
            err += dy;
        }
    }
}

std::size_t EllipseOutline::radialIndex(Point through) const
{
    const std::size_t c = m_quadrant.size();
    const std::int64_t X = through.x - m_rightX;
    const std::int64_t Y = m_lowerY - through.y;
    const std::int64_t ax = X < 0 ? -X : X;
    const std::int64_t ay = Y < 0 ? -Y : Y;
    // The quadrant's points turn away from the x axis one by one, so those turned at least as
    // far as the radial are a tail of it. Exactly as far counts on the right half, not on the
    // left.
    const bool rightHalf = X >= 0;
    const auto reached =
        std::partition_point(m_quadrant.begin(), m_quadrant.end(), [ax, ay, rightHalf](Offset q) {
            const std::int64_t along = q.x * ay;
            const std::int64_t across = q.y * ax;
            return rightHalf ? along > across : along >= across;
        });
    const auto j = std::size_t(reached - m_quadrant.begin());
    if (Y >= 0)
        return rightHalf ? j : 2 * c - j;
    return rightHalf ? 4 * c - j : 2 * c + j;
}

EllipseOutline::Stretch EllipseOutline::arc(Point start, Point end) const
{
    const std::size_t n = size();
    if (n == 0)
        return {};
    const std::size_t s = radialIndex(start) % n;
    std::size_t e = radialIndex(end) % n;
    if (e <= s)
        e += n;
    return {s, e - s};
}

} // namespace drawing::raster
