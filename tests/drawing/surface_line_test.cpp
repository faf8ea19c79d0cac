// SPDX-License-Identifier: MIT
// LineTo with the 1-pixel pen: which pixels a line sets, in every direction, chained and clipped.
#include "surface.h"
#include "surface_test_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace surface_test;

namespace {

// The pixels a single line sets on a fresh 64 x 64 bitmap, as offsets from its start (32, 32).
PixelSet lineOffsets(int dx, int dy)
{
    drawing::Bitmap bitmap(64, 64);
    bitmap.canvas().MoveTo(32, 32);
    bitmap.canvas().LineTo(32 + dx, 32 + dy);
    return shifted(pixelsOf(bitmap.image(), kBlack), -32, -32);
}

struct LineExample
{
    int dx, dy;
    PixelSet offsets;
};

TEST(SurfaceLine, SetsOnePixelPerStepAndLeavesOutTheEnd)
{
    const std::vector<LineExample> examples = {
        {5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {4, -2, {{0, 0}, {1, -1}, {2, -1}, {3, -2}}},
        {8, 3, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}, {7, 3}}},
        {1, 2, {{0, 0}, {0, 1}}},
        // Exact halves go up for x-major lines and left for y-major ones, whichever way the
        // line runs.
        {-4, 2, {{0, 0}, {-1, 0}, {-2, 1}, {-3, 1}}},
        {-4, -2, {{0, 0}, {-1, -1}, {-2, -1}, {-3, -2}}},
        {2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {-2, 4, {{0, 0}, {-1, 1}, {-1, 2}, {-2, 3}}},
        {2, -4, {{0, 0}, {0, -1}, {1, -2}, {1, -3}}},
        {-2, -4, {{0, 0}, {-1, -1}, {-1, -2}, {-2, -3}}},
        // Straight and diagonal lines.
        {3, 0, {{0, 0}, {1, 0}, {2, 0}}},
        {-3, 0, {{0, 0}, {-1, 0}, {-2, 0}}},
        {0, 3, {{0, 0}, {0, 1}, {0, 2}}},
        {0, -3, {{0, 0}, {0, -1}, {0, -2}}},
        {-3, 3, {{0, 0}, {-1, 1}, {-2, 2}}},
        {0, 0, {}},
    };
    for (const LineExample &e : examples) {
        SCOPED_TRACE(testing::Message() << "line (0,0) -> (" << e.dx << "," << e.dy << ")");
        EXPECT_EQ(describe(lineOffsets(e.dx, e.dy)), describe(e.offsets));
    }
}

TEST(SurfaceLine, BothDirectionsSetTheSamePixelsApartFromTheEnds)
{
    for (int dx = -13; dx <= 13; ++dx) {
        for (int dy = -13; dy <= 13; ++dy) {
            if (dx == 0 && dy == 0)
                continue;
            SCOPED_TRACE(testing::Message() << "P = (0,0), Q = (" << dx << "," << dy << ")");
            PixelSet forward = lineOffsets(dx, dy);
            PixelSet backward = shifted(lineOffsets(-dx, -dy), dx, dy);
            EXPECT_EQ(forward.size(), std::size_t(std::max(std::abs(dx), std::abs(dy))));
            EXPECT_TRUE(forward.count({0, 0})) << "the start pixel is set";
            EXPECT_FALSE(forward.count({dx, dy})) << "the end pixel is left out";
            forward.emplace(dx, dy);
            backward.emplace(0, 0);
            EXPECT_EQ(describe(forward), describe(backward));
        }
    }
}

TEST(SurfaceLine, ChainIsTheUnionOfItsSegments)
{
    drawing::Bitmap chain(20, 20);
    chain.canvas().MoveTo(2, 2);
    chain.canvas().LineTo(12, 5);
    chain.canvas().LineTo(7, 15);
    chain.canvas().LineTo(2, 2);
    EXPECT_EQ(chain.canvas().penPosition(), QPoint(2, 2));

    drawing::Bitmap separate(20, 20);
    const QPoint points[] = {{2, 2}, {12, 5}, {7, 15}, {2, 2}};
    for (int i = 0; i < 3; ++i) {
        separate.canvas().MoveTo(points[i].x(), points[i].y());
        separate.canvas().LineTo(points[i + 1].x(), points[i + 1].y());
    }
    EXPECT_EQ(describe(pixelsOf(chain.image(), kBlack)),
              describe(pixelsOf(separate.image(), kBlack)));
    EXPECT_EQ(chain.image().pixel(12, 5), kBlack) << "each joint is drawn by the next segment";
    EXPECT_EQ(chain.image().pixel(7, 15), kBlack);
}

TEST(SurfaceLine, ClippingKeepsThePixelsOfTheWholeLine)
{
    // The same lines on a big image and, shifted by (-40, -30), on a small one that cuts them.
    const std::vector<std::pair<QPoint, QPoint>> lines = {
        {{10, 12}, {97, 61}},    {{97, 61}, {10, 12}},      {{55, 5}, {38, 90}},
        {{-200, 41}, {300, 47}}, {{47, -1000}, {52, 1000}}, {{0, 100}, {100, 0}},
    };
    for (const auto &[from, to] : lines) {
        SCOPED_TRACE(testing::Message() << "line (" << from.x() << "," << from.y() << ") -> ("
                                        << to.x() << "," << to.y() << ")");
        drawing::Bitmap big(200, 200);
        big.canvas().MoveTo(from.x() + 50, from.y() + 50);
        big.canvas().LineTo(to.x() + 50, to.y() + 50);
        drawing::Bitmap small(25, 20);
        small.canvas().MoveTo(from.x() - 40, from.y() - 30);
        small.canvas().LineTo(to.x() - 40, to.y() - 30);

        PixelSet expected;
        for (const auto &[x, y] : pixelsOf(big.image(), kBlack))
            if (x - 90 >= 0 && x - 90 < 25 && y - 80 >= 0 && y - 80 < 20)
                expected.emplace(x - 90, y - 80);
        EXPECT_EQ(describe(pixelsOf(small.image(), kBlack)), describe(expected));
    }
}

TEST(SurfaceLine, NothingIsWrittenOutsideASurfaceInsideABiggerImage)
{
    QImage image = whiteImage(40, 30);
    drawing::Surface surface(image, QPoint(10, 5), QSize(12, 9));
    // Lines crossing every edge, and one that runs wholly outside.
    surface.MoveTo(-5, -5);
    surface.LineTo(30, 20);
    surface.MoveTo(-3, 4);
    surface.LineTo(25, 4);
    surface.MoveTo(6, -20);
    surface.LineTo(6, 40);
    surface.MoveTo(30, -10);
    surface.LineTo(-30, 25);
    surface.MoveTo(-10, -2);
    surface.LineTo(50, -2);

    const QRect window(10, 5, 12, 9);
    for (const auto &[x, y] : pixelsNot(image, kWhite))
        EXPECT_TRUE(window.contains(x, y)) << "pixel (" << x << "," << y << ") outside";
    EXPECT_EQ(image.pixel(10 + 6, 5 + 0), kBlack) << "surface (6, 0) lands on image (16, 5)";
    EXPECT_EQ(image.pixel(10 + 0, 5 + 4), kBlack);
    EXPECT_EQ(image.pixel(10 + 11, 5 + 4), kBlack);
}

} // namespace
