// SPDX-License-Identifier: MIT
// The anisotropic mapping: how logical points round to pixels, and the spectrum bar's example.
#include "surface.h"
#include "surface_test_helpers.h"
#include "test_palette.h"

#include <gtest/gtest.h>

using namespace surface_test;

namespace {

// A colour per spectrum entry i, so that each column tells which line painted it last.
drawing::Colour entryColour(int i)
{
    return drawing::rgbColour(i & 0xFF, i >> 8, 0x40);
}

TEST(SurfaceMapping, SpectrumBarLandsOnItsPixels)
{
    QImage client(632, 434, QImage::Format_RGB32);
    const QRgb face = testing_support::kFaceColour.rgb();
    client.fill(face);
    drawing::Surface window(client, QPoint(0, 0), QSize(632, 434));
    window.setAnisotropicMapping(QSize(1680, 820), QSize(632, 434));
    EXPECT_TRUE(window.isMapped());
    window.brush().colour = drawing::clBlack;
    window.Rectangle(1166, 300, 1616, 340);

    PixelSet box;
    for (int y = 159; y <= 179; ++y)
        for (int x = 439; x <= 607; ++x)
            box.emplace(x, y);
    EXPECT_EQ(pixelsNot(client, face), box) << "device (439, 159, 608, 180), a solid black block";
    EXPECT_EQ(pixelsOf(client, kBlack), box);

    for (int i = 1; i <= 381; ++i) {
        window.pen().colour = entryColour(i);
        window.MoveTo(1200 + i, 300);
        window.LineTo(1200 + i, 340);
    }
    window.setPixelMapping();
    EXPECT_FALSE(window.isMapped());

    const auto entryAt = [&client](int x, int y) {
        const QRgb c = client.pixel(x, y);
        return qBlue(c) == 0x40 ? qRed(c) + (qGreen(c) << 8) : -1;
    };
    EXPECT_EQ(entryAt(452, 170), 2) << "column 452 shows the last i that maps to it";
    EXPECT_EQ(entryAt(453, 170), 5);
    EXPECT_EQ(entryAt(595, 170), 381);
    for (int x = 439; x <= 607; ++x) {
        SCOPED_TRACE(testing::Message() << "column " << x);
        const bool coloured = x >= 452 && x <= 595;
        for (int y = 159; y <= 179; ++y)
            ASSERT_EQ(entryAt(x, y) > 0, coloured) << "row " << y;
        EXPECT_EQ(client.pixel(x, 180), face) << "row 180 is left out";
        EXPECT_EQ(client.pixel(x, 158), face);
        if (x > 452 && x <= 595) {
            EXPECT_GT(entryAt(x, 170), entryAt(x - 1, 170)) << "violet left, red right";
        }
    }

    // Pixel for pixel again: the same call lands where it says.
    window.pen().colour = drawing::clBlack;
    window.MoveTo(10, 400);
    window.LineTo(20, 400);
    EXPECT_EQ(client.pixel(10, 400), kBlack);
    EXPECT_EQ(client.pixel(19, 400), kBlack);
    EXPECT_EQ(client.pixel(20, 400), face);
}

TEST(SurfaceMapping, HalvesRoundUpAndThePenStaysOnePixel)
{
    drawing::Bitmap bitmap(40, 40);
    drawing::Surface &canvas = bitmap.canvas();
    // Halving: logical 1 is device 0.5 and goes to 1; -1 is -0.5 and goes to 0; 3 goes to 2.
    canvas.setAnisotropicMapping(QSize(4, 4), QSize(2, 2));
    canvas.MoveTo(1, 0);
    canvas.LineTo(1, 20);
    canvas.MoveTo(3, -1);
    canvas.LineTo(3, 9);
    EXPECT_EQ(canvas.penPosition(), QPoint(3, 9)) << "the pen position stays in logical units";
    EXPECT_EQ(describe(pixelsOf(bitmap.image(), kBlack)),
              describe(PixelSet {{1, 0},
                                 {1, 1},
                                 {1, 2},
                                 {1, 3},
                                 {1, 4},
                                 {1, 5},
                                 {1, 6},
                                 {1, 7},
                                 {1, 8},
                                 {1, 9},
                                 {2, 0},
                                 {2, 1},
                                 {2, 2},
                                 {2, 3},
                                 {2, 4}}));

    // Enlarging four times: a 1-pixel pen draws one row, not four.
    drawing::Bitmap enlarged(40, 40);
    enlarged.canvas().setAnisotropicMapping(QSize(1, 1), QSize(4, 4));
    enlarged.canvas().MoveTo(1, 1);
    enlarged.canvas().LineTo(3, 1);
    PixelSet row;
    for (int x = 4; x < 12; ++x)
        row.emplace(x, 4);
    EXPECT_EQ(describe(pixelsOf(enlarged.image(), kBlack)), describe(row));

    // Different scales on the two axes.
    drawing::Bitmap stretched(40, 40);
    stretched.canvas().setAnisotropicMapping(QSize(10, 10), QSize(30, 5));
    stretched.canvas().brush().colour = drawing::clBlack;
    stretched.canvas().Rectangle(1, 2, 5, 20); // device (3, 1) .. (15, 10)
    PixelSet block;
    for (int y = 1; y < 10; ++y)
        for (int x = 3; x < 15; ++x)
            block.emplace(x, y);
    EXPECT_EQ(describe(pixelsOf(stretched.image(), kBlack)), describe(block));
}

TEST(SurfaceMapping, NegativeAndZeroExtents)
{
    // A negative extent mirrors the axis.
    drawing::Bitmap mirrored(20, 20);
    mirrored.canvas().setAnisotropicMapping(QSize(-2, 2), QSize(2, 2));
    mirrored.canvas().MoveTo(-5, 3);
    mirrored.canvas().LineTo(-15, 3);
    PixelSet run;
    for (int x = 5; x < 15; ++x)
        run.emplace(x, 3);
    EXPECT_EQ(describe(pixelsOf(mirrored.image(), kBlack)), describe(run));

    // An extent of zero cannot scale: that axis stays pixel for pixel.
    drawing::Bitmap flat(20, 20);
    flat.canvas().setAnisotropicMapping(QSize(0, 0), QSize(632, 434));
    flat.canvas().MoveTo(2, 5);
    flat.canvas().LineTo(6, 5);
    EXPECT_EQ(describe(pixelsOf(flat.image(), kBlack)),
              describe(PixelSet {{2, 5}, {3, 5}, {4, 5}, {5, 5}}));
}

} // namespace
