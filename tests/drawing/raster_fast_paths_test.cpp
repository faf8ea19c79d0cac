// SPDX-License-Identifier: MIT
// The rasteriser's quick ways against the rules they stand in for: the band of a slanted wide
// line against the general even-odd polygon fill, and vertical lines against their clip.
#include "raster_line.h"
#include "raster_polygon.h"
#include "raster_target.h"

#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <cstdint>
#include <random>

namespace {

using drawing::raster::Point;
using drawing::raster::RasterTarget;

constexpr QRgb kBlank = 0xFF102030;
constexpr QRgb kInk = 0xFFC0B0A0;

struct Window
{
    QPoint origin;
    QSize size;
    const char *what;
};

// The whole image, and surfaces whose clip cuts a shape near (20, 20) on each side.
const Window kWindows[] = {
    {{0, 0}, {48, 48}, "whole image"},
    {{0, 0}, {21, 48}, "clipped on the right"},
    {{19, 0}, {29, 48}, "clipped on the left"},
    {{0, 18}, {48, 10}, "clipped above and below"},
};

// The band as the parallelogram fill draws it and as the general polygon fill does.
void expectSameBand(const Window &window, Point corner, Point side, Point along)
{
    QImage fast(48, 48, QImage::Format_RGB32);
    QImage general(48, 48, QImage::Format_RGB32);
    fast.fill(kBlank);
    general.fill(kBlank);
    drawing::raster::fillParallelogram(RasterTarget(fast, window.origin, window.size), corner, side,
                                       along, kInk);
    const std::array<Point, 4> corners {
        corner,
        Point {corner.x + side.x, corner.y + side.y},
        Point {corner.x + side.x + along.x, corner.y + side.y + along.y},
        Point {corner.x + along.x, corner.y + along.y},
    };
    drawing::raster::fillPolygon(RasterTarget(general, window.origin, window.size), corners, kInk);
    ASSERT_TRUE(fast == general) << window.what << ": side (" << side.x << ", " << side.y
                                 << "), along (" << along.x << ", " << along.y << ")";
}

TEST(RasterFastPaths, ParallelogramBandIsTheEvenOddFillOfItsCorners)
{
    // Every short side a wide pen makes and more, flat ones included, along every direction.
    for (const Window &window : kWindows)
        for (std::int64_t sx = -3; sx <= 3; ++sx)
            for (std::int64_t sy = -3; sy <= 3; ++sy)
                for (std::int64_t ax = -10; ax <= 10; ++ax)
                    for (std::int64_t ay = -10; ay <= 10; ++ay)
                        expectSameBand(window, {20 - ax / 2, 20 - ay / 2}, {sx, sy}, {ax, ay});

    // Long and far-off bands: their walks start many rows above the clip, or far to one side.
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::int64_t> far(-(1 << 27), 1 << 27);
    std::uniform_int_distribution<std::int64_t> near(-60, 60);
    std::uniform_int_distribution<std::int64_t> small(-4, 4);
    for (int i = 0; i < 3000; ++i) {
        const Point side {small(random), small(random)};
        const bool huge = i % 2 == 0;
        const Point along {huge ? far(random) : near(random), huge ? far(random) : near(random)};
        // A corner placed so that the band passes near the window, whatever its length.
        const double t = std::uniform_real_distribution<double>(0, 1)(random);
        const Point corner {20 - std::int64_t(double(along.x) * t),
                            20 - std::int64_t(double(along.y) * t)};
        expectSameBand(kWindows[i % 4], corner, side, along);
    }
}

TEST(RasterFastPaths, VerticalThinLineSetsItsColumnOnlyInsideTheClip)
{
    for (const Window &window : kWindows) {
        for (const auto &[from, to] :
             {std::pair {Point {20, 2}, Point {20, 45}}, std::pair {Point {20, 45}, Point {20, 2}},
              std::pair {Point {0, -10}, Point {0, 60}},
              std::pair {Point {47, 30}, Point {47, 29}}}) {
            SCOPED_TRACE(testing::Message() << window.what << ": (" << from.x << ", " << from.y
                                            << ") to (" << to.x << ", " << to.y << ")");
            QImage image(48, 48, QImage::Format_RGB32);
            image.fill(kBlank);
            drawing::raster::drawThinLine(RasterTarget(image, window.origin, window.size), from, to,
                                          kInk);
            // Rows from the start up to the end, the end left out; only inside the window.
            const std::int64_t first = std::min(from.y, to.y + (to.y < from.y ? 1 : 0));
            const std::int64_t last = std::max(from.y, to.y - (to.y > from.y ? 1 : 0));
            const QRect clip(window.origin, window.size);
            for (int y = 0; y < 48; ++y) {
                for (int x = 0; x < 48; ++x) {
                    const QPoint surface = QPoint(x, y) - window.origin;
                    const bool onLine = surface.x() == from.x && surface.y() >= first
                        && surface.y() <= last && clip.contains(x, y);
                    ASSERT_EQ(image.pixel(x, y), onLine ? kInk : kBlank) << x << ", " << y;
                }
            }
        }
    }
}

} // namespace
