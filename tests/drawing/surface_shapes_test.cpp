// SPDX-License-Identifier: MIT
// Rectangle, Polygon and the pens of width 2 and 3.
#include "surface.h"
#include "surface_test_helpers.h"
#include "test_palette.h"

#include <gtest/gtest.h>

#include <array>

using namespace surface_test;

namespace {

constexpr QRgb kGrey = 0xFF808080;
const std::map<QRgb, char> kLegend = {{kWhite, '.'}, {kBlack, '#'}, {kGrey, '+'}};

TEST(SurfaceRectangle, OutlinesWithThePenAndFillsWithTheBrush)
{
    drawing::Bitmap panel(361, 76);
    panel.canvas().brush().colour = drawing::clBtnFace;
    panel.canvas().Rectangle(0, 0, 361, 76);
    const QImage &image = panel.image();
    const QRgb face = testing_support::kFaceColour.rgb();

    PixelSet frame;
    for (int x = 0; x <= 360; ++x) {
        frame.emplace(x, 0);
        frame.emplace(x, 75);
    }
    for (int y = 0; y <= 75; ++y) {
        frame.emplace(0, y);
        frame.emplace(360, y);
    }
    EXPECT_EQ(pixelsOf(image, kBlack), frame) << "pen on rows 0, 75 and columns 0, 360";
    EXPECT_EQ(pixelsOf(image, face).size(), std::size_t(359 * 74)) << "brush x 1..359, y 1..74";
    EXPECT_EQ(image.pixel(1, 1), face);
    EXPECT_EQ(image.pixel(359, 74), face);
}

TEST(SurfaceRectangle, SmallAndReversedRectangles)
{
    struct Case
    {
        const char *what;
        std::array<int, 4> corners;
        const char *expected; // the whole 8 x 8 bitmap
    };
    const char *const blank = "........\n........\n........\n........\n"
                              "........\n........\n........\n........\n";
    const Case cases[] = {
        {"1 x 1 draws nothing", {2, 2, 3, 3}, blank},
        {"zero width draws nothing", {2, 2, 2, 6}, blank},
        {"zero height draws nothing", {2, 4, 6, 4}, blank},
        {"2 x 2 is a pen block",
         {2, 2, 4, 4},
         "........\n"
         "........\n"
         "..##....\n"
         "..##....\n"
         "........\n"
         "........\n"
         "........\n"
         "........\n"},
        {"3 x 3 has one brush pixel",
         {2, 2, 5, 5},
         "........\n"
         "........\n"
         "..###...\n"
         "..#+#...\n"
         "..###...\n"
         "........\n"
         "........\n"
         "........\n"},
        {"corners are sorted first",
         {6, 7, 2, 3},
         "........\n"
         "........\n"
         "........\n"
         "..####..\n"
         "..#++#..\n"
         "..#++#..\n"
         "..####..\n"
         "........\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        drawing::Bitmap bitmap(8, 8);
        bitmap.canvas().brush().colour = drawing::rgbColour(0x80, 0x80, 0x80);
        bitmap.canvas().Rectangle(c.corners[0], c.corners[1], c.corners[2], c.corners[3]);
        EXPECT_EQ(picture(bitmap.image(), bitmap.image().rect(), kLegend), c.expected);
    }
}

TEST(SurfaceRectangle, OnePixelWideOrHighIsAPenLine)
{
    drawing::Bitmap bitmap(361, 264);
    bitmap.canvas().Rectangle(270, 100, 271, 120);
    bitmap.canvas().Rectangle(280, 100, 300, 101);
    PixelSet lines;
    for (int i = 0; i < 20; ++i)
        lines.insert({{270, 100 + i}, {280 + i, 100}});
    EXPECT_EQ(describe(pixelsOf(bitmap.image(), kBlack)), describe(lines));
}

TEST(SurfacePolygon, ArrowheadRowByRow)
{
    // Surface at an origin inside a bigger image, so that coordinates are the diagram's own.
    QImage image = whiteImage(20, 14);
    drawing::Surface surface(image, QPoint(-335, -158), QSize(361, 264));
    surface.brush().colour = drawing::rgbColour(0x80, 0x80, 0x80);
    const QPoint head[] = {{345, 169}, {342, 161}, {348, 161}};
    surface.Polygon(head);

    const std::string expected = ".........\n" // row 160
                                 ".#######.\n" // 161: pen 342-348
                                 ".#+++++#.\n" // 162: pen 342, 348, brush 343-347
                                 "..#+++#..\n" // 163
                                 "..#+++#..\n" // 164
                                 "..#++#...\n" // 165: pen 343, 346, brush 344-345
                                 "...#+#...\n" // 166
                                 "...#+#...\n" // 167
                                 "....#....\n" // 168: pen 345
                                 "....#....\n" // 169
                                 ".........\n"; // 170
    // Columns 341..349 and rows 160..170 of the surface.
    EXPECT_EQ(picture(image, QRect(341 - 335, 160 - 158, 9, 11), kLegend), expected);
}

TEST(SurfacePolygon, FillsByTheEvenOddRule)
{
    drawing::Bitmap bitmap(16, 16);
    bitmap.canvas().brush().colour = drawing::rgbColour(0x80, 0x80, 0x80);
    // An outer square and an inner one in the same outline: the inner one is crossed twice.
    const QPoint ring[] = {{2, 2}, {13, 2}, {13, 13}, {2, 13}, {2, 2},
                           {6, 6}, {10, 6}, {10, 10}, {6, 10}, {6, 6}};
    bitmap.canvas().Polygon(ring);
    EXPECT_EQ(bitmap.image().pixel(4, 8), kGrey) << "between the squares";
    EXPECT_EQ(bitmap.image().pixel(11, 11), kGrey);
    EXPECT_EQ(bitmap.image().pixel(8, 8), kWhite) << "inside the inner square";
    EXPECT_EQ(bitmap.image().pixel(13, 8), kBlack) << "the right edge is outlined";
    EXPECT_EQ(bitmap.image().pixel(14, 8), kWhite);

    drawing::Bitmap empty(8, 8);
    empty.canvas().Polygon({});
    const QPoint one[] = {{3, 3}};
    empty.canvas().Polygon(one);
    EXPECT_TRUE(pixelsNot(empty.image(), kWhite).empty()) << "no points, or one, draw nothing";
}

TEST(SurfaceWidePen, WidthThreeHorizontalLineWithItsCaps)
{
    // The slit plate's first segment, on a surface whose column -1 lies on the image.
    QImage image = whiteImage(370, 180);
    drawing::Surface surface(image, QPoint(8, 0), QSize(361, 264));
    surface.pen().width = 3;
    surface.MoveTo(0, 170);
    surface.LineTo(157, 170);
    EXPECT_EQ(surface.penPosition(), QPoint(157, 170));

    PixelSet expected;
    for (int x = 0; x <= 157; ++x) {
        expected.emplace(8 + x, 169);
        expected.emplace(8 + x, 171);
    }
    for (int x = 0; x <= 158; ++x)
        expected.emplace(8 + x, 170);
    EXPECT_EQ(describe(pixelsNot(image, kWhite)), describe(expected))
        << "rows 169 and 171 for x 0..157, row 170 for x -1..158 with -1 clipped";
    EXPECT_EQ(image.pixel(7, 170), kWhite) << "the cap's pixel at x -1 lies outside the surface";
}

TEST(SurfaceWidePen, WidthTwoHasBlockCaps)
{
    struct Case
    {
        const char *what;
        QPoint from, to;
        const char *expected; // rows 2..9, columns 2..9
    };
    const Case cases[] = {
        {"horizontal",
         {4, 5},
         {7, 5},
         "........\n"
         "........\n"
         ".#####..\n"
         ".#####..\n"
         "........\n"
         "........\n"
         "........\n"
         "........\n"},
        {"vertical, upwards",
         {5, 8},
         {5, 4},
         "........\n"
         "..##....\n"
         "..##....\n"
         "..##....\n"
         "..##....\n"
         "..##....\n"
         "..##....\n"
         "........\n"},
        {"zero length is one cap",
         {5, 5},
         {5, 5},
         "........\n"
         "........\n"
         "..##....\n"
         "..##....\n"
         "........\n"
         "........\n"
         "........\n"
         "........\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        drawing::Bitmap bitmap(12, 12);
        bitmap.canvas().pen().width = 2;
        bitmap.canvas().MoveTo(c.from.x(), c.from.y());
        bitmap.canvas().LineTo(c.to.x(), c.to.y());
        EXPECT_EQ(picture(bitmap.image(), QRect(2, 2, 8, 8), kLegend), c.expected);
    }
}

TEST(SurfaceWidePen, SlantedSegmentIsABandBetweenTwoCaps)
{
    // Width 3 from (10, 10) to (14, 12): band corners (9,11), (11,8), (15,10), (13,13) filled
    // by the polygon rule, plus a five-pixel plus at each end.
    const std::string expected = ".........\n" // row 8
                                 "..###....\n" // 9
                                 ".######..\n" // 10
                                 ".######..\n" // 11
                                 "...#####.\n" // 12
                                 "......#..\n" // 13
                                 ".........\n"; // 14
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "drawn from (14, 12)" : "drawn from (10, 10)");
        drawing::Bitmap bitmap(20, 20);
        bitmap.canvas().pen().width = 3;
        bitmap.canvas().MoveTo(reversed ? 14 : 10, reversed ? 12 : 10);
        bitmap.canvas().LineTo(reversed ? 10 : 14, reversed ? 10 : 12);
        EXPECT_EQ(picture(bitmap.image(), QRect(8, 8, 9, 7), kLegend), expected);
    }
}

TEST(SurfaceWidePen, WidePolygonOutlineAndWidthOneDefaults)
{
    drawing::Bitmap bitmap(12, 12);
    EXPECT_EQ(bitmap.canvas().pen().width, 1);
    bitmap.canvas().pen().width = 3;
    bitmap.canvas().brush().colour = drawing::rgbColour(0x80, 0x80, 0x80);
    const QPoint square[] = {{3, 3}, {8, 3}, {8, 8}, {3, 8}};
    bitmap.canvas().Polygon(square);
    const std::string expected = "..........\n" // row 1
                                 "..######..\n" // 2
                                 ".########.\n" // 3
                                 ".########.\n" // 4
                                 ".###++###.\n" // 5
                                 ".###++###.\n" // 6
                                 ".########.\n" // 7
                                 ".########.\n" // 8
                                 "..######..\n" // 9
                                 "..........\n"; // 10
    EXPECT_EQ(picture(bitmap.image(), QRect(1, 1, 10, 10), kLegend), expected);
}

} // namespace
