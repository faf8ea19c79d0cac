// SPDX-License-Identifier: MIT
#include "raster_line.h"

#include "raster_polygon.h"
#include "rounding.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace drawing::raster {

namespace {

// The rounded half-widths of a slanted wide line's band, before their signs are set.
struct BandHalfWidths
{
    Point n; // (round(wx / 2), round(wy / 2))
    Point m; // (round((wx + 1) / 2), round((wy + 1) / 2))
};

// With len = hypot(dx, dy), wx = width · |dy| / len and wy = width · |dx| / len, each half
// rounded with halves away from zero.
BandHalfWidths bandHalfWidths(std::int64_t dx, std::int64_t dy, int width)
{
    const double len = std::sqrt(double(dx * dx + dy * dy));
    const double wx = double(width) * double(std::abs(dy)) / len;
    const double wy = double(width) * double(std::abs(dx)) / len;
    return {{roundHalfAwayFromZero(wx / 2), roundHalfAwayFromZero(wy / 2)},
            {roundHalfAwayFromZero((wx + 1) / 2), roundHalfAwayFromZero((wy + 1) / 2)}};
}

} // namespace

void drawThinLine(const RasterTarget &target, const Point &from, const Point &to, QRgb rgb)
{
    const std::int64_t dx = to.x - from.x;
    const std::int64_t dy = to.y - from.y;
    const std::int64_t n = std::max(std::abs(dx), std::abs(dy));
    if (n == 0 || target.isEmpty())
        return;

    // Straight lines are runs; the end pixel is left out.
    if (dy == 0) {
        if (dx > 0)
            target.fillRow(from.y, from.x, to.x - 1, rgb);
        else
            target.fillRow(from.y, to.x + 1, from.x, rgb);
        return;
    }
    if (dx == 0) {
        if (from.x < target.left() || from.x > target.right())
            return;
        const std::int64_t y0 = std::max(dy > 0 ? from.y : to.y + 1, target.top());
        const std::int64_t y1 = std::min(dy > 0 ? to.y - 1 : from.y, target.bottom());
        for (std::int64_t y = y0; y <= y1; ++y)
            *target.pixel(from.x, y) = rgb;
        return;
    }

    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t major0 = xMajor ? from.x : from.y;
    const std::int64_t minor0 = xMajor ? from.y : from.x;
    const std::int64_t step = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t minorDelta = xMajor ? dy : dx;

    // Only the steps whose major coordinate lies inside the clip are walked; the pixels are
    // those of the whole line, so clipping never moves one.
    const std::int64_t low = xMajor ? target.left() : target.top();
    const std::int64_t high = xMajor ? target.right() : target.bottom();
    std::int64_t kFirst = step > 0 ? low - major0 : major0 - high;
    std::int64_t kLast = step > 0 ? high - major0 : major0 - low;
    kFirst = std::max<std::int64_t>(kFirst, 0);
    kLast = std::min(kLast, n - 1);
    if (kFirst > kLast)
        return;

    // Minor offset of step k: ceil((2 * minorDelta * k - n) / (2n)), the exact value
    // minorDelta * k / n rounded to nearest with halves towards minus infinity. It is kept
    // incrementally as the quotient m and the remainder m * den - numerator in [0, den).
    const std::int64_t den = 2 * n;
    const std::int64_t increment = 2 * minorDelta;
    const std::int64_t numerator = increment * kFirst - n;
    std::int64_t m = ceilDiv(numerator, den);
    std::int64_t remainder = m * den - numerator;
    for (std::int64_t k = kFirst; k <= kLast; ++k) {
        const std::int64_t major = major0 + step * k;
        const std::int64_t minor = minor0 + m;
        if (xMajor)
            target.plot(major, minor, rgb);
        else
            target.plot(minor, major, rgb);
        remainder -= increment;
        if (remainder < 0) {
            remainder += den;
            ++m;
        } else if (remainder >= den) {
            remainder -= den;
            --m;
        }
    }
}

void drawPenDot(const RasterTarget &target, Point centre, int width, QRgb rgb)
{
    const std::int64_t x = centre.x;
    const std::int64_t y = centre.y;
    switch (width) {
    case 2: // the 2 x 2 block up and left of the point
        if (target.contains(x - 1, y - 1) && target.contains(x, y)) {
            QRgb *upper = target.pixel(x - 1, y - 1);
            QRgb *lower = target.pixel(x - 1, y);
            upper[0] = upper[1] = lower[0] = lower[1] = rgb;
        } else {
            target.fillRect(x - 1, y - 1, x, y, rgb);
        }
        return;
    case 3: // the five-pixel plus
        target.plot(x, y - 1, rgb);
        target.fillRow(y, x - 1, x + 1, rgb);
        target.plot(x, y + 1, rgb);
        return;
    default:
        target.plot(x, y, rgb);
        return;
    }
}

void drawWideLine(const RasterTarget &target, const Point &from, const Point &to, int width,
                  QRgb rgb)
{
    if (target.isEmpty())
        return;
    const std::int64_t w = width;
    const std::int64_t dx = to.x - from.x;
    const std::int64_t dy = to.y - from.y;
    if (dy == 0 && dx != 0) {
        const std::int64_t top = from.y - w / 2;
        target.fillRect(std::min(from.x, to.x), top, std::max(from.x, to.x) - 1, top + w - 1, rgb);
    } else if (dx == 0 && dy != 0) {
        const std::int64_t left = from.x - w / 2;
        target.fillRect(left, std::min(from.y, to.y), left + w - 1, std::max(from.y, to.y) - 1,
                        rgb);
    } else if (dx != 0) {
        // The band of a slanted line: its half-widths along x and y rounded (halves away from
        // zero), the larger half on the side the line's direction gives.
        auto [n, m] = bandHalfWidths(dx, dy, width);
        if (dx < 0) {
            n.y = -n.y;
            m.y = -m.y;
        }
        if (dy < 0) {
            std::swap(n, m);
            n.x = -n.x;
            m.x = -m.x;
        }
        // Corners from + (-n.x, n.y), from + (m.x, -m.y), to + (m.x, -m.y), to + (-n.x, n.y).
        fillParallelogram(target, Point {from.x - n.x, from.y + n.y},
                          Point {m.x + n.x, -(m.y + n.y)}, Point {dx, dy}, rgb);
    }
    drawPenDot(target, from, width, rgb);
    drawPenDot(target, to, width, rgb);
}

void drawPenLine(const RasterTarget &target, const Point &from, const Point &to, int width,
                 QRgb rgb)
{
    if (width <= 1)
        drawThinLine(target, from, to, rgb);
    else
        drawWideLine(target, from, to, width, rgb);
}

} // namespace drawing::raster
