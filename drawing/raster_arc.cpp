// SPDX-License-Identifier: MIT
#include "raster_arc.h"

#include <algorithm>
#include <iterator>
#include <memory>

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
    points.reserve(std::size_t(a + b) / 2 + 4);
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

// Quadrants of the boxes drawn lately. The wavefronts of the diagram come in the same few sizes
// pass after pass, and both slits share them.
std::shared_ptr<const std::vector<QPoint>> cachedQuadrant(std::int64_t width, std::int64_t height)
{
    struct Entry
    {
        std::int64_t width;
        std::int64_t height;
        std::shared_ptr<const std::vector<QPoint>> quadrant;
    };
    constexpr std::size_t kEntries = 32;
    thread_local std::vector<Entry> recent; // most recently used last
    for (auto it = recent.rbegin(); it != recent.rend(); ++it) {
        if (it->width == width && it->height == height) {
            auto quadrant = it->quadrant;
            recent.erase(std::next(it).base());
            recent.push_back({width, height, quadrant});
            return quadrant;
        }
    }
    std::vector<QPoint> points = firstQuadrant(width - 1, height - 1);
    std::reverse(points.begin(), points.end()); // from the +x axis up
    auto quadrant = std::make_shared<const std::vector<QPoint>>(std::move(points));
    if (recent.size() == kEntries)
        recent.erase(recent.begin());
    recent.push_back({width, height, quadrant});
    return quadrant;
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

    m_quadrantStore = cachedQuadrant(width, height);
    m_quadrant = m_quadrantStore->data();
    const std::size_t n = m_quadrantStore->size();
    while (m_onXAxis < n && m_quadrant[m_onXAxis].y() == 0)
        ++m_onXAxis;
    while (m_onYAxis < n && m_quadrant[n - 1 - m_onYAxis].x() == 0)
        ++m_onYAxis;
    m_sizes[0] = n;
    m_sizes[1] = n - m_onYAxis;
    m_sizes[2] = n - m_onXAxis;
    m_sizes[3] = m_onXAxis + m_onYAxis < n ? n - m_onXAxis - m_onYAxis : 0;
}

std::size_t EllipseOutline::firstAtOrAfter(Point ray) const
{
    // The walk's directions only grow, so the first pixel not before the radial is a bisection.
    std::size_t low = 0;
    std::size_t high = size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (isBefore(toPoint(offset(middle)), ray))
            low = middle + 1;
        else
            high = middle;
    }
    return low == size() ? 0 : low;
}

std::size_t EllipseOutline::lastAtOrBefore(Point ray) const
{
    std::size_t low = 0;
    std::size_t high = size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (!isBefore(ray, toPoint(offset(middle))))
            low = middle + 1;
        else
            high = middle;
    }
    return low == 0 ? size() - 1 : low - 1;
}

EllipseOutline::Stretch EllipseOutline::arc(Point start, Point end) const
{
    const std::size_t n = size();
    if (n == 0)
        return {};
    const auto radial = [this](Point through) {
        const Point d {through.x - m_integerCentre.x, m_integerCentre.y - through.y};
        // A radial through the centre itself is taken as pointing right.
        return d == Point {} ? Point {1, 0} : d;
    };
    const Point from = radial(start);
    const Point to = radial(end);
    const std::size_t first = firstAtOrAfter(from);
    if (!isBefore(from, to) && !isBefore(to, from))
        return {first, n};
    const Point p = toPoint(offset(first));
    const bool wraps = isBefore(to, from);
    const bool afterStart = !isBefore(p, from);
    const bool beforeEnd = !isBefore(to, p);
    if (wraps ? !(afterStart || beforeEnd) : !(afterStart && beforeEnd))
        return {first, 0};
    return {first, (lastAtOrBefore(to) + n - first) % n + 1};
}

} // namespace drawing::raster
