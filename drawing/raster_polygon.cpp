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

// The fill, with room for the edges and the crossings of one row supplied by the caller.
void fillWith(const RasterTarget &target, std::span<const Point> points, QRgb rgb, Edge *edges,
              std::int64_t *crossings)
{
    std::size_t edgeCount = 0;
    std::int64_t yMin = points.front().y;
    std::int64_t yMax = points.front().y;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        yMin = std::min(yMin, a.y);
        yMax = std::max(yMax, a.y);
        if (a.y == b.y)
            continue; // horizontal edges cross no row
        edges[edgeCount++] = a.y < b.y ? Edge {a, b} : Edge {b, a};
    }

    const std::int64_t firstRow = std::max(yMin, target.top());
    const std::int64_t lastRow = std::min(yMax - 1, target.bottom());
    // Crossings are kept as the first pixel column at or right of the exact crossing: a span
    // xl <= x < xr is then the columns ceil(xl) .. ceil(xr) - 1, exactly.
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        std::size_t count = 0;
        for (std::size_t i = 0; i < edgeCount; ++i) {
            const Edge &e = edges[i];
            if (y < e.top.y || y >= e.bottom.y)
                continue;
            const std::int64_t dy = e.bottom.y - e.top.y;
            crossings[count++] = ceilDiv(e.top.x * dy + (y - e.top.y) * (e.bottom.x - e.top.x), dy);
        }
        std::sort(crossings, crossings + count);
        for (std::size_t i = 0; i + 1 < count; i += 2)
            target.fillRow(y, crossings[i], crossings[i + 1] - 1, rgb);
    }
}

// The crossings of one line with the rows, walked downwards: `x` is the first column at or
// right of the exact crossing of the current row (as fillWith computes it for an edge), and
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

// The line through `on` that moves dx columns per den rows, walked from `row` on. Written field
// by field: a walk copied whole just after being built would be read back in wider pieces than
// it was written, which the processor cannot forward.
void startLine(LineWalk &walk, Point on, std::int64_t dx, std::int64_t den, std::int64_t row)
{
    // x = ceil(n / den) with n = on.x * den + (row - on.y) * dx, kept as on.x + ceil(rest / den).
    const std::int64_t rest = (row - on.y) * dx;
    walk.x = on.x + ceilDivNear(rest, den);
    walk.slack = (walk.x - on.x) * den - rest;
    walk.step = floorDivNear(dx, den);
    walk.carry = dx - walk.step * den;
    walk.den = den;
}

// The two parallel lines through p and q in direction d (not horizontal), as walks from `row`
// on: `low` is the left one on every row, `high` the right one.
void startSlab(Point d, Point p, Point q, std::int64_t row, LineWalk &low, LineWalk &high)
{
    const std::int64_t den = d.y > 0 ? d.y : -d.y;
    const std::int64_t dx = d.y > 0 ? d.x : -d.x; // columns per row, going down
    // Parallel lines keep their order: compare the exact crossings of one row.
    const bool pIsLeft = (p.x - q.x) * den + (q.y - p.y) * dx < 0;
    startLine(low, pIsLeft ? p : q, dx, den, row);
    startLine(high, pIsLeft ? q : p, dx, den, row);
}

// A line that never limits a row: a slab whose direction is horizontal bounds rows, not
// columns, and the rows are limited already.
constexpr LineWalk kUnbounded(std::int64_t x)
{
    return LineWalk {x, 0, 0, 0, 1};
}

} // namespace

void fillParallelogram(const RasterTarget &target, Point corner, Point side, Point along, QRgb rgb)
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

    const std::int64_t xMin = std::min(std::min(corner.x, c1.x), std::min(c2.x, c3.x));
    const std::int64_t xMax = std::max(std::max(corner.x, c1.x), std::max(c2.x, c3.x));
    if (xMin >= target.left() && xMax - 1 <= target.right()) {
        // Every span lies within the corners' columns, here inside the clip: no clipping per row.
        QRgb *pixels = target.row(firstRow);
        for (std::int64_t y = firstRow; y < end; ++y, pixels += target.stride()) {
            const std::int64_t right = std::min(high1.x, high2.x);
            for (std::int64_t x = std::max(low1.x, low2.x); x < right; ++x)
                pixels[x] = rgb;
            low1.advance();
            high1.advance();
            low2.advance();
            high2.advance();
        }
        return;
    }
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
    // Arrowheads and wide-pen bands are small: their buffers live on the stack.
    constexpr std::size_t kInline = 8;
    if (points.size() <= kInline) {
        std::array<Edge, kInline> edges;
        std::array<std::int64_t, kInline> crossings;
        fillWith(target, points, rgb, edges.data(), crossings.data());
        return;
    }
    std::vector<Edge> edges(points.size());
    std::vector<std::int64_t> crossings(points.size());
    fillWith(target, points, rgb, edges.data(), crossings.data());
}

} // namespace drawing::raster
