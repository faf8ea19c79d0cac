// SPDX-License-Identifier: MIT
#pragma once

#include "raster_target.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace drawing::raster {

/** Boxes wider or taller than this draw no ellipse (it keeps the walk's arithmetic in 64 bits). */
inline constexpr std::int64_t kMaxEllipseExtent = 16384;

/**
 * The outline of the ellipse inscribed in columns left..right-1 and rows top..bottom-1, as the
 * classic raster operations walk it: one quadrant by an integer error-term walk, which leans
 * inward and takes the inner row at exact ties, the other three its mirror images about the
 * box's middle column and row. The whole outline is a closed list of 4c points counter-clockwise
 * on the screen from the right end of the middle row; in a box of odd width or height the
 * points on that axis are listed twice, at the end of one quadrant and the start of the next.
 * Consecutive points are equal or touch.
 */
class EllipseOutline
{
public:
    EllipseOutline(Point corner, Point oppositeCorner);

    /** 4c, the length of the list; 0 for an empty or oversized box. */
    std::size_t size() const { return 4 * m_quadrant.size(); }

    /**
     * Where the radial from the integer centre (left + width div 2, top + height div 2) through
     * `through` meets the list: the first point, in the list's order through the quadrant the
     * radial points into, that lies on or past the radial counter-clockwise (strictly past
     * below the horizontal axis), or the next quadrant's first point if none does. Radials on
     * an axis belong to the upper or the right quadrant; a point's direction is taken from its
     * quadrant's corner.
     */
    std::size_t radialIndex(Point through) const;

    /** A run of the list: `count` points from point `first` on, round and round. */
    struct Stretch
    {
        std::size_t first = 0;
        std::size_t count = 0;
    };

    /**
     * The points an arc from the start radial counter-clockwise to the end radial visits: from
     * the start's index up to, not including, the end's; once round when the two are the same.
     */
    Stretch arc(Point start, Point end) const;

    /** Calls visit(Point) for each point of `stretch` in order. */
    template<class Visit>
    void walk(Stretch stretch, Visit &&visit) const;

private:
    struct Offset
    {
        std::int32_t x = 0;
        std::int32_t y = 0;
    };
    // The upper right quadrant from the right end of the middle row up to the top, as offsets
    // (x right, y up) from the quadrant's corner.
    std::vector<Offset> m_quadrant;
    // Columns and rows the quadrants are mirrored about: the right half starts at column
    // m_rightX, the left half ends at m_leftX (the same column when the width is odd), and
    // likewise for the lower and upper halves.
    std::int64_t m_rightX = 0;
    std::int64_t m_leftX = 0;
    std::int64_t m_lowerY = 0;
    std::int64_t m_upperY = 0;
};

template<class Visit>
void EllipseOutline::walk(Stretch stretch, Visit &&visit) const
{
    const std::size_t c = m_quadrant.size();
    if (c == 0)
        return;
    // Each quadrant as its corner, the signs of its axes and whether it runs the list backwards.
    struct Quadrant
    {
        std::int64_t x, sx, y, sy;
        bool backwards;
    };
    const Quadrant quadrants[4] = {{m_rightX, 1, m_upperY, -1, false},
                                   {m_leftX, -1, m_upperY, -1, true},
                                   {m_leftX, -1, m_lowerY, 1, false},
                                   {m_rightX, 1, m_lowerY, 1, true}};
    std::size_t index = stretch.first % (4 * c);
    std::size_t left = stretch.count;
    while (left > 0) {
        const Quadrant &q = quadrants[index / c];
        const std::size_t j0 = index % c;
        const std::size_t run = std::min(c - j0, left);
        for (std::size_t j = j0; j < j0 + run; ++j) {
            const Offset o = m_quadrant[q.backwards ? c - 1 - j : j];
            visit(Point {q.x + q.sx * o.x, q.y + q.sy * o.y});
        }
        left -= run;
        index = (index + run) % (4 * c);
    }
}

} // namespace drawing::raster
