// SPDX-License-Identifier: MIT
#include "raster_arc.h"

#include <algorithm>

namespace drawing::raster {

namespace {

// Directions compared exactly, by angle counter-clockwise from the +x axis in [0, 2 pi). The
// centre pixel of a one-pixel-high or -wide ellipse has no direction; it counts as angle 0.
int halfPlane(std::int64_t x, std::int64_t y)
{
    return (y > 0 || (y == 0 && x >= 0)) ? 0 : 1;
}

bool isBefore(Point u, Point v)
{
    const int hu = halfPlane(u.x, u.y);
    const int hv = halfPlane(v.x, v.y);
    if (hu != hv)
        return hu < hv;
    return u.x * v.y - u.y * v.x > 0;
}

Point toPoint(QPoint p)
{
    return {p.x(), p.y()};
}

// The first quadrant of the outline in half pixels (x >= 0, y >= 0, y up), from the top of the
// ellipse to its right end. a and b are the doubled half-axes, width - 1 and height - 1, so
// pixel centres lie on x = a mod 2, y = b mod 2 (steps of 2).
std::vector<QPoint> firstQuadrant(std::int64_t a, std::int64_t b)
{
    std::vector<QPoint> points;
    const std::int64_t xFirst = a % 2;
    const std::int64_t yLast = b % 2;
    if (b == 0) {
        for (std::int64_t x = xFirst; x <= a; x += 2)
            points.emplace_back(int(x), 0);
        return points;
    }
    // Sign of b²x² + a²y² - a²b²: outside (> 0) or inside (< 0) the ellipse.
    const auto f = [a, b](std::int64_t x, std::int64_t y) {
        return b * b * x * x + a * a * y * y - a * a * b * b;
    };
    std::int64_t x = xFirst;
    std::int64_t y = b;
    // Flatter than 45 degrees: one pixel per column, the row nearest the outline by the
    // midpoint between the two candidate rows.
    for (;;) {
        points.emplace_back(int(x), int(y));
        if (x >= a || y <= yLast || b * b * x >= a * a * y)
            break;
        x += 2;
        if (f(x, y - 1) > 0)
            y -= 2;
    }
    // Steeper: one pixel per row, the column by the midpoint; a run if it moves more than one
    // column, so that the walk stays connected.
    while (y > yLast) {
        y -= 2;
        std::int64_t next = x;
        while (next + 2 <= a && f(next + 1, y) < 0)
            next += 2;
        for (x += 2; x < next; x += 2)
            points.emplace_back(int(x), int(y));
        x = next;
        points.emplace_back(int(x), int(y));
    }
    // The bottom row reaches the box's side even where a very flat ellipse would stop short.
    while (x < a) {
        x += 2;
        points.emplace_back(int(x), int(y));
    }
    return points;
}

} // namespace

EllipseOutline::EllipseOutline(Point topLeft, Point bottomRight)
{
    const std::int64_t left = std::min(topLeft.x, bottomRight.x);
    const std::int64_t right = std::max(topLeft.x, bottomRight.x);
    const std::int64_t top = std::min(topLeft.y, bottomRight.y);
    const std::int64_t bottom = std::max(topLeft.y, bottomRight.y);
    const std::int64_t width = right - left;
    const std::int64_t height = bottom - top;
    m_left2 = left + right - 1;
    m_top2 = top + bottom - 1;
    m_integerCentre = {left + width / 2, top + height / 2};
    if (width <= 0 || height <= 0 || width > kMaxEllipseExtent || height > kMaxEllipseExtent)
        return;

    std::vector<QPoint> quadrant = firstQuadrant(width - 1, height - 1);
    std::reverse(quadrant.begin(), quadrant.end()); // from the +x axis up
    m_offsets.reserve(quadrant.size() * 4);
    // The mirror images, leaving out the points on an axis that a quadrant before has.
    for (const QPoint &p : quadrant)
        m_offsets.push_back(p);
    for (auto it = quadrant.rbegin(); it != quadrant.rend(); ++it)
        if (it->x() != 0)
            m_offsets.emplace_back(-it->x(), it->y());
    for (const QPoint &p : quadrant)
        if (p.y() != 0)
            m_offsets.emplace_back(-p.x(), -p.y());
    for (auto it = quadrant.rbegin(); it != quadrant.rend(); ++it)
        if (it->x() != 0 && it->y() != 0)
            m_offsets.emplace_back(it->x(), -it->y());
}

Point EllipseOutline::pixel(std::size_t index) const
{
    const QPoint offset = m_offsets[index % m_offsets.size()];
    return {(offset.x() + m_left2) / 2, (m_top2 - offset.y()) / 2};
}

std::size_t EllipseOutline::firstAtOrAfter(QPoint ray) const
{
    const auto it = std::partition_point(m_offsets.begin(), m_offsets.end(), [&](QPoint p) {
        return isBefore(toPoint(p), toPoint(ray));
    });
    return it == m_offsets.end() ? 0 : std::size_t(it - m_offsets.begin());
}

std::size_t EllipseOutline::lastAtOrBefore(QPoint ray) const
{
    const auto it = std::partition_point(m_offsets.begin(), m_offsets.end(), [&](QPoint p) {
        return !isBefore(toPoint(ray), toPoint(p));
    });
    return it == m_offsets.begin() ? m_offsets.size() - 1 : std::size_t(it - m_offsets.begin()) - 1;
}

std::vector<Point> EllipseOutline::arcWalk(Point start, Point end) const
{
    std::vector<Point> walk;
    if (m_offsets.empty())
        return walk;
    const auto radial = [this](Point through) {
        const Point d {through.x - m_integerCentre.x, m_integerCentre.y - through.y};
        // A radial through the centre itself is taken as pointing right.
        return d == Point {} ? QPoint(1, 0) : QPoint(int(d.x), int(d.y));
    };
    const QPoint from = radial(start);
    const QPoint to = radial(end);
    const std::size_t n = m_offsets.size();
    const std::size_t first = firstAtOrAfter(from);
    std::size_t count = 0;
    if (!isBefore(toPoint(from), toPoint(to)) && !isBefore(toPoint(to), toPoint(from))) {
        count = n;
    } else {
        const Point p = toPoint(m_offsets[first]);
        const bool wraps = isBefore(toPoint(to), toPoint(from));
        const bool afterStart = !isBefore(p, toPoint(from));
        const bool beforeEnd = !isBefore(toPoint(to), p);
        const bool inSweep = wraps ? (afterStart || beforeEnd) : (afterStart && beforeEnd);
        if (inSweep)
            count = (lastAtOrBefore(to) + n - first) % n + 1;
    }
    walk.reserve(count);
    for (std::size_t k = 0; k < count; ++k)
        walk.push_back(pixel(first + k));
    return walk;
}

} // namespace drawing::raster
