// SPDX-License-Identifier: MIT
#include "raster_polygon.h"

#include <algorithm>
#include <vector>

namespace drawing::raster {

namespace {

// An edge with its top end first; it counts for rows top.y <= y < bottom.y.
struct Edge
{
    Point top;
    Point bottom;
};

} // namespace

void fillPolygon(const RasterTarget &target, std::span<const Point> points, QRgb rgb)
{
    if (points.size() < 3 || target.isEmpty())
        return;

    std::vector<Edge> edges;
    edges.reserve(points.size());
    std::int64_t yMin = points.front().y;
    std::int64_t yMax = points.front().y;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        yMin = std::min(yMin, a.y);
        yMax = std::max(yMax, a.y);
        if (a.y == b.y)
            continue; // horizontal edges cross no row
        edges.push_back(a.y < b.y ? Edge {a, b} : Edge {b, a});
    }

    const std::int64_t firstRow = std::max(yMin, target.top());
    const std::int64_t lastRow = std::min(yMax - 1, target.bottom());
    // Crossings are kept as the first pixel column at or right of the exact crossing: a span
    // xl <= x < xr is then the columns ceil(xl) .. ceil(xr) - 1, exactly.
    std::vector<std::int64_t> crossings;
    crossings.reserve(edges.size());
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
