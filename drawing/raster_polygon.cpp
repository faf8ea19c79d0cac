// SPDX-License-Identifier: MIT
#include "raster_polygon.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace drawing::raster {

namespace {

// An edge with its top end first; it counts for rows top.y <= y < bottom.y.
struct Edge
{
    Point top;
    Point bottom;
};

// The crossings of one line with the rows, walked downwards: `x` is the first column at or
// right of the exact crossing of the current row (as fillPolygon computes it for an edge), and
// `slack` how far x lies right of that crossing, in units of 1 / den.
struct LineWalk
{
    std::int64_t x;
    std::int64_t slack; // in [0, den)
    std::int64_t step; // whole columns per row: floor(dx / den)
    std::int64_t carry; // the rest per row: dx - step * den, in [0, den)
    std::int64_t den;

    // The next row: ceil((n + dx) / den) is x + step, plus one when the rest overtakes the slack.
    void advance()
    {
        x += step;
        slack -= carry;
        if (slack < 0) {
            slack += den;
            ++x;
        }
    }
};

// ceil(a / b) for b > 0, without a division in the common cases |a| <= b and b = 1.
std::int64_t ceilDivNear(std::int64_t a, std::int64_t b)
{
    if (a > -b && a <= b)
        return a > 0 ? 1 : 0;
    return b == 1 ? a : ceilDiv(a, b);
}

// floor(a / b) for b > 0, likewise.
std::int64_t floorDivNear(std::int64_t a, std::int64_t b)
{
    if (a >= 0 && a < b)
        return 0;
    if (a < 0 && -a <= b)
        return -1;
    return b == 1 ? a : floorDiv(a, b);
}

// The line through `on` that moves dx columns per den rows, walked from `row` on.
LineWalk startLine(Point on, std::int64_t dx, std::int64_t den, std::int64_t row)
{
    // x = ceil(n / den) with n = on.x * den + (row - on.y) * dx, kept as on.x + ceil(rest / den).
    const std::int64_t rest = (row - on.y) * dx;
    const std::int64_t x = on.x + ceilDivNear(rest, den);
    const std::int64_t step = floorDivNear(dx, den);
    return {x, (x - on.x) * den - rest, step, dx - step * den, den};
}

// The two parallel lines through p and q in direction d (not horizontal), as walks from `row`
// on: `low` is the left one on every row, `high` the right one.
void startSlab(Point d, Point p, Point q, std::int64_t row, LineWalk &low, LineWalk &high)
{
    const std::int64_t den = d.y > 0 ? d.y : -d.y;
    const std::int64_t dx = d.y > 0 ? d.x : -d.x; // columns per row, going down
    // Parallel lines keep their order: compare the exact crossings of one row.
    const bool pIsLeft = (p.x - q.x) * den + (q.y - p.y) * dx < 0;
    low = startLine(pIsLeft ? p : q, dx, den, row);
    high = startLine(pIsLeft ? q : p, dx, den, row);
}

// A line that never limits a row: a slab whose direction is horizontal bounds rows, not
// columns, and the rows are limited already.
constexpr LineWalk kUnbounded(std::int64_t x)
{
    return LineWalk {x, 0, 0, 0, 1};
}

} // namespace

void fillParallelogram(const RasterTarget &target, const Point &corner, const Point &side,
                       const Point &along, QRgb rgb)
{
    const Point c1 {corner.x + side.x, corner.y + side.y};
    const Point c3 {corner.x + along.x, corner.y + along.y};
    const Point c2 {c1.x + along.x, c1.y + along.y};
    if (target.isEmpty())
        return;
    if (side.x * along.y == side.y * along.x) {
        // Flat: no inside of its own, only what the even-odd rule makes of overlapping edges.
        const std::array<Point, 4> corners {corner, c1, c2, c3};
        fillPolygon(target, corners, rgb);
        return;
    }
    const std::int64_t yMin = std::min(std::min(corner.y, c1.y), std::min(c2.y, c3.y));
    const std::int64_t yMax = std::max(std::max(corner.y, c1.y), std::max(c2.y, c3.y));
    const std::int64_t firstRow = std::max(yMin, target.top());
    const std::int64_t end = std::min(yMax, target.bottom() + 1); // rows firstRow .. end - 1
    if (firstRow >= end)
        return;

    // A convex shape: on every row of it the span runs from the rightmost of the left lines of
    // its two slabs to the leftmost of their right lines, which are the crossings of its two
    // edges that count for the row. Rounding up keeps that order, so it is taken on the walks'
    // columns directly.
    LineWalk low1, high1, low2, high2;
    constexpr std::int64_t kFar = std::int64_t(1) << 40;
    if (along.y != 0)
        startSlab(along, corner, c1, firstRow, low1, high1);
    else
        low1 = kUnbounded(-kFar), high1 = kUnbounded(kFar);
    if (side.y != 0)
        startSlab(side, corner, c3, firstRow, low2, high2);
    else
        low2 = kUnbounded(-kFar), high2 = kUnbounded(kFar);

    for (std::int64_t y = firstRow; y < end; ++y) {
        target.fillRow(y, std::max(low1.x, low2.x), std::min(high1.x, high2.x) - 1, rgb);
        low1.advance();
        high1.advance();
        low2.advance();
        high2.advance();
    }
}

void fillPolygon(const RasterTarget &target, std::span<const Point> points, QRgb rgb)
{
    if (points.size() < 3 || target.isEmpty())
        return;
    std::vector<Edge> edges;
    std::int64_t yMin = points.front().y;
    std::int64_t yMax = points.front().y;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        yMin = std::min(yMin, a.y);
        yMax = std::max(yMax, a.y);
        if (a.y != b.y) // horizontal edges cross no row
            edges.push_back(a.y < b.y ? Edge {a, b} : Edge {b, a});
    }

    const std::int64_t firstRow = std::max(yMin, target.top());
    const std::int64_t lastRow = std::min(yMax - 1, target.bottom());
    // Crossings are kept as the first pixel column at or right of the exact crossing: a span
    // xl <= x < xr is then the columns ceil(xl) .. ceil(xr) - 1, exactly.
    std::vector<std::int64_t> crossings;
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        crossings.clear();
        for (const Edge &e : edges) {
            if (y < e.top.y || y >= e.bottom.y)
                continue;
            const std::int64_t dy = e.bottom.y - e.top.y;
            crossings.push_back(ceilDiv(e.top.x * dy + (y - e.top.y) * (e.bottom.x - e.top.x), dy));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            target.fillRow(y, crossings[i], crossings[i + 1] - 1, rgb);
    }
}

} // namespace drawing::raster
