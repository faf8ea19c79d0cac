// SPDX-License-Identifier: MIT
#include "raster_polygon.h"

#include <algorithm>
#include <array>
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

} // namespace

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
