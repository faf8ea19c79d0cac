// SPDX-License-Identifier: MIT
#pragma once

#include "raster_target.h"

#include <QPoint>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace drawing::raster {

/** Boxes wider or taller than this draw no ellipse (it keeps the walk's arithmetic in 64 bits). */
inline constexpr std::int64_t kMaxEllipseExtent = 16384;

/**
 * The outline pixels of the ellipse inscribed in columns left..right-1 and rows top..bottom-1,
 * as one closed walk counter-clockwise on the screen, starting at the right end of the middle
 * row (or of the upper of the two middle rows).
 *
 * One quadrant is an integer midpoint walk (one pixel per column where the outline is flatter
 * than 45 degrees, one per row where it is steeper); the other three are its mirror images about
 * the box's middle column and row, so the outline is symmetric about x = (left + right - 1) / 2
 * and y = (top + bottom - 1) / 2. Consecutive pixels of the walk touch, except at the tips of a
 * very flat (or very narrow) ellipse, where the walk steps from one half to the other over a
 * pixel of the middle row (column) that the join, drawn like LineTo, sets.
 */
class EllipseOutline
{
public:
    EllipseOutline(Point topLeft, Point bottomRight);

    /** The number of pixels of the whole outline; 0 for an empty or oversized box. */
    std::size_t size() const { return m_sizes[0] + m_sizes[1] + m_sizes[2] + m_sizes[3]; }
    /** Pixel `index` of the walk, counted round and round. */
    Point pixel(std::size_t index) const;

    /** A stretch of the walk: `count` pixels from pixel `first` on. */
    struct Stretch
    {
        std::size_t first = 0;
        std::size_t count = 0;
    };

    /**
     * The arc's walk from the start radial counter-clockwise to the end radial: the run of
     * outline pixels whose directions lie in that sweep, radials included, the first at or after
     * the start radial. Radials run from the box's integer centre (left + width div 2,
     * top + height div 2) through the given points; a pixel's direction is taken from the
     * ellipse's own centre. When both radials point the same way, the walk goes once round,
     * ending on the pixel just before its first. Empty when no pixel lies in the sweep.
     */
    Stretch arc(Point start, Point end) const;

private:
    // Offset of pixel `index` (< size()) from the ellipse's centre, in half pixels, y up.
    QPoint offset(std::size_t index) const;
    std::size_t firstAtOrAfter(Point ray) const;
    std::size_t lastAtOrBefore(Point ray) const;

    // The first quadrant, counter-clockwise from the +x axis, in half pixels from the centre:
    // (2x - (left + right - 1), (top + bottom - 1) - 2y). The other quadrants are its mirror
    // images, leaving out the pixels on an axis that a quadrant before them has: those with
    // y = 0 lead the list, those with x = 0 end it.
    std::shared_ptr<const std::vector<QPoint>> m_quadrantStore;
    const QPoint *m_quadrant = nullptr;
    std::size_t m_onXAxis = 0; // leading points with y = 0
    std::size_t m_onYAxis = 0; // trailing points with x = 0
    std::size_t m_sizes[4] = {0, 0, 0, 0};
    std::int64_t m_left2 = 0; // left + right - 1
    std::int64_t m_top2 = 0; // top + bottom - 1
    Point m_integerCentre;
};

// Inline: an arc's walk asks for every one of its pixels in turn.
inline QPoint EllipseOutline::offset(std::size_t index) const
{
    const std::size_t n = m_sizes[0];
    if (index < m_sizes[0])
        return m_quadrant[index];
    index -= m_sizes[0];
    if (index < m_sizes[1]) { // second quadrant: the first mirrored, walked backwards
        const QPoint p = m_quadrant[n - m_onYAxis - 1 - index];
        return {-p.x(), p.y()};
    }
    index -= m_sizes[1];
    if (index < m_sizes[2]) { // third: turned half round
        const QPoint p = m_quadrant[m_onXAxis + index];
        return {-p.x(), -p.y()};
    }
    index -= m_sizes[2];
    const QPoint p = m_quadrant[n - m_onYAxis - 1 - index]; // fourth: mirrored, backwards
    return {p.x(), -p.y()};
}

inline Point EllipseOutline::pixel(std::size_t index) const
{
    const std::size_t n = size();
    const QPoint o = offset(index < n ? index : index % n);
    return {(o.x() + m_left2) / 2, (m_top2 - o.y()) / 2};
}

} // namespace drawing::raster
