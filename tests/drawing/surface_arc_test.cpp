// SPDX-License-Identifier: MIT
// Arc: the ellipse's outline, the counter-clockwise walk between the radials, clipping.
#include "surface.h"
#include "surface_test_helpers.h"

#include <gtest/gtest.h>

using namespace surface_test;

namespace {

const std::map<QRgb, char> kLegend = {{kWhite, '.'}, {kBlack, '#'}};

TEST(SurfaceArc, SmallestWavefrontOfTheDiagram)
{
    drawing::Bitmap bitmap(361, 264);
    bitmap.canvas().MoveTo(3, 4);
    bitmap.canvas().Arc(141, 151, 179, 189, 170, 154, 148, 154);

    PixelSet expected;
    for (int x = 156; x <= 163; ++x)
        expected.emplace(x, 151);
    for (int x : {153, 154, 155, 164, 165, 166})
        expected.emplace(x, 152);
    for (int x : {151, 152, 167, 168})
        expected.emplace(x, 153);
    for (int x : {150, 169})
        expected.emplace(x, 154);
    const PixelSet drawn = pixelsOf(bitmap.image(), kBlack);
    EXPECT_EQ(describe(drawn), describe(expected)) << "20 pixels on rows 151..154, none below";
    EXPECT_EQ(bitmap.canvas().penPosition(), QPoint(3, 4)) << "Arc leaves the pen position";

    // The right slit's arc is the same shape 40 pixels further right.
    drawing::Bitmap right(361, 264);
    right.canvas().Arc(181, 151, 219, 189, 210, 154, 188, 154);
    EXPECT_EQ(describe(pixelsOf(right.image(), kBlack)), describe(shifted(expected, 40, 0)));
}

TEST(SurfaceArc, StartEqualToEndDrawsAllButOnePixel)
{
    drawing::Bitmap bitmap(5, 5);
    // Both radials point right from the centre (2, 2): the walk starts at (4, 2) and goes once
    // round; the pixel just before the start, (4, 3), is its undrawn end.
    bitmap.canvas().Arc(0, 0, 5, 5, 5, 2, 5, 2);
    EXPECT_EQ(picture(bitmap.image(), bitmap.image().rect(), kLegend),
              ".###.\n"
              "#...#\n"
              "#...#\n"
              "#....\n"
              ".###.\n");
}

TEST(SurfaceArc, OutlineIsSymmetricAndFillsItsBox)
{
    for (int width = 1; width <= 26; ++width) {
        for (int height = 1; height <= 26; ++height) {
            SCOPED_TRACE(testing::Message() << "box " << width << " x " << height);
            // Two whole walks starting on opposite sides cover every outline pixel.
            drawing::Bitmap bitmap(40, 40);
            const int l = 5;
            const int t = 7;
            bitmap.canvas().Arc(l, t, l + width, t + height, 100, t + height / 2, 100,
                                t + height / 2);
            bitmap.canvas().Arc(l, t, l + width, t + height, -100, t + height / 2, -100,
                                t + height / 2);
            const PixelSet outline = pixelsOf(bitmap.image(), kBlack);
            if (width == 1 && height == 1) {
                EXPECT_TRUE(outline.empty()) << "a one-pixel walk has no pixel to draw";
                continue;
            }
            int minX = 1000, maxX = -1000, minY = 1000, maxY = -1000;
            for (const auto &[x, y] : outline) {
                EXPECT_TRUE(outline.count({2 * l + width - 1 - x, y}))
                    << "mirror of (" << x << "," << y << ") about the middle column";
                EXPECT_TRUE(outline.count({x, 2 * t + height - 1 - y}))
                    << "mirror of (" << x << "," << y << ") about the middle row";
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
            EXPECT_EQ(QRect(QPoint(minX, minY), QPoint(maxX, maxY)), QRect(l, t, width, height))
                << "the outline touches all four sides of the box and stays inside it";
        }
    }
}

TEST(SurfaceArc, ClippingKeepsThePixelsOfTheWholeArc)
{
    // The largest wavefront of the diagram reaches past three edges of the bitmap.
    drawing::Bitmap clipped(361, 264);
    clipped.canvas().Arc(-11, -1, 331, 341, 246, 22, 72, 22);
    drawing::Bitmap whole(400, 400);
    whole.canvas().Arc(-11 + 20, -1 + 20, 331 + 20, 341 + 20, 246 + 20, 22 + 20, 72 + 20, 22 + 20);

    PixelSet expected;
    for (const auto &[x, y] : pixelsOf(whole.image(), kBlack))
        if (x >= 20 && x < 20 + 361 && y >= 20 && y < 20 + 264)
            expected.emplace(x - 20, y - 20);
    const PixelSet drawn = pixelsOf(clipped.image(), kBlack);
    EXPECT_EQ(describe(drawn), describe(expected));
    EXPECT_FALSE(drawn.empty()) << "its flanks show";
    EXPECT_FALSE(drawn.count({160, 0})) << "its top lies above the bitmap";
}

TEST(SurfaceArc, DegenerateBoxesAndRadials)
{
    drawing::Bitmap bitmap(20, 20);
    drawing::Surface &canvas = bitmap.canvas();
    canvas.Arc(5, 5, 5, 15, 0, 0, 20, 20); // zero width
    canvas.Arc(5, 5, 15, 5, 0, 0, 20, 20); // zero height
    canvas.Arc(5, 5, 5, 5, 5, 5, 5, 5); // nothing at all
    canvas.Arc(0, 0, 1 << 30, 1 << 30, 1, 1, 2, 2); // too large to walk
    EXPECT_TRUE(pixelsNot(bitmap.image(), kWhite).empty()) << "empty boxes draw nothing";

    // Corners given the other way round describe the same box; radials through the centre
    // count as pointing right.
    drawing::Bitmap swapped(20, 20);
    swapped.canvas().Arc(15, 15, 2, 2, 8, 8, 8, 8);
    drawing::Bitmap ordered(20, 20);
    ordered.canvas().Arc(2, 2, 15, 15, 30, 8, 30, 8);
    EXPECT_EQ(describe(pixelsOf(swapped.image(), kBlack)),
              describe(pixelsOf(ordered.image(), kBlack)));

    // A one-pixel-high box is a run of pixels; a sweep over its upper half walks it right to
    // left, leaving out the last.
    drawing::Bitmap flat(12, 5);
    flat.canvas().Arc(2, 2, 9, 3, 20, 2, -20, 2);
    EXPECT_EQ(picture(flat.image(), QRect(0, 2, 12, 1), kLegend), "...######...\n");
}

} // namespace
