// SPDX-License-Identifier: MIT
// Bitmaps, Draw, the state each surface keeps, system colours and odd targets.
#include "surface.h"
#include "surface_test_helpers.h"
#include "test_palette.h"

#include <gtest/gtest.h>

using namespace surface_test;

namespace {

TEST(SurfaceBitmap, NewBitmapIsWhiteWithDefaultState)
{
    drawing::Bitmap bitmap(361, 40);
    EXPECT_EQ(bitmap.width(), 361);
    EXPECT_EQ(bitmap.height(), 40);
    EXPECT_EQ(bitmap.canvas().width(), 361);
    EXPECT_EQ(bitmap.canvas().height(), 40);
    EXPECT_EQ(bitmap.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(pixelsOf(bitmap.image(), kWhite).size(), std::size_t(361 * 40)) << "all white";

    const drawing::Surface &canvas = bitmap.canvas();
    EXPECT_EQ(canvas.pen().colour, drawing::clBlack);
    EXPECT_EQ(canvas.pen().width, 1);
    EXPECT_EQ(canvas.brush().colour, drawing::clWhite);
    EXPECT_EQ(canvas.font().name, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(canvas.font().height, -11);
    EXPECT_EQ(canvas.font().charset, drawing::DefaultCharset);
    EXPECT_EQ(canvas.font().colour, drawing::clWindowText);
    EXPECT_FALSE(canvas.isMapped());
}

TEST(SurfaceBitmap, DrawCopiesEveryPixelClippedToTheSurface)
{
    drawing::Bitmap source(6, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            source.canvas().pen().colour = drawing::rgbColour(10 * x, 10 * y, 99);
            source.canvas().MoveTo(x, y);
            source.canvas().LineTo(x + 1, y);
        }
    }
    const auto sourceColour = [](int x, int y) { return qRgb(10 * x, 10 * y, 99); };

    // Onto a surface at (3, 2) of a 16 x 12 image, 8 x 6 big; drawn at each corner and beyond.
    const QPoint places[] = {{1, 1}, {-2, -1}, {5, 4}, {-3, 3}, {4, -2}, {8, 6}, {-6, -4}};
    for (const QPoint at : places) {
        SCOPED_TRACE(testing::Message() << "drawn at (" << at.x() << "," << at.y() << ")");
        QImage image = whiteImage(16, 12);
        drawing::Surface surface(image, QPoint(3, 2), QSize(8, 6));
        surface.Draw(at.x(), at.y(), source);
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 16; ++x) {
                const int sx = x - 3 - at.x();
                const int sy = y - 2 - at.y();
                const bool onSurface = x >= 3 && x < 11 && y >= 2 && y < 8;
                const bool onSource = sx >= 0 && sx < 6 && sy >= 0 && sy < 4;
                const QRgb expected = onSurface && onSource ? sourceColour(sx, sy) : kWhite;
                ASSERT_EQ(image.pixel(x, y), expected) << "image pixel (" << x << "," << y << ")";
            }
        }
    }

    // A bitmap drawn onto its own canvas reads the pixels as they were.
    drawing::Bitmap self(6, 1);
    for (int x = 0; x < 6; ++x) {
        self.canvas().pen().colour = drawing::rgbColour(x, 0, 0);
        self.canvas().MoveTo(x, 0);
        self.canvas().LineTo(x + 1, 0);
    }
    self.canvas().Draw(2, 0, self);
    const int reds[] = {0, 1, 0, 1, 2, 3};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(qRed(self.image().pixel(x, 0)), reds[x]) << "column " << x;
}

TEST(SurfaceState, TwoSurfacesOnOneImageKeepTheirOwnState)
{
    QImage client = whiteImage(40, 30);
    drawing::Surface window(client, QPoint(0, 0), QSize(40, 30));
    drawing::Surface paintBox(client, QPoint(8, 14), QSize(20, 10));
    window.pen().colour = drawing::rgbColour(255, 0, 0);
    window.MoveTo(1, 1);
    paintBox.pen().colour = drawing::rgbColour(0, 0, 255);
    paintBox.pen().width = 2;
    paintBox.MoveTo(2, 3);
    paintBox.brush().colour = drawing::clBlack;

    window.LineTo(5, 1);
    paintBox.LineTo(6, 3);
    EXPECT_EQ(window.penPosition(), QPoint(5, 1));
    EXPECT_EQ(paintBox.penPosition(), QPoint(6, 3));
    EXPECT_EQ(window.pen().width, 1);
    EXPECT_EQ(window.brush().colour, drawing::clWhite);
    EXPECT_EQ(client.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(client.pixel(8 + 2, 14 + 3), qRgb(0, 0, 255)) << "paint-box coordinates";
    EXPECT_EQ(client.pixel(8 + 1, 14 + 2), qRgb(0, 0, 255)) << "its width-2 cap";

    // The paint box cannot reach beyond its rectangle; the window can draw over it.
    paintBox.Rectangle(-5, -5, 50, 50);
    for (const auto &[x, y] : pixelsOf(client, kBlack))
        EXPECT_TRUE(QRect(8, 14, 20, 10).contains(x, y)) << "(" << x << "," << y << ")";
    window.MoveTo(0, 20);
    window.LineTo(40, 20);
    EXPECT_EQ(client.pixel(15, 20), qRgb(255, 0, 0));
}

TEST(SurfaceState, SystemColoursResolveAsTheSurfaceWasToldWhenDrawing)
{
    QImage image = whiteImage(10, 4);
    drawing::Surface surface(image, QPoint(0, 0), image.size());
    surface.pen().colour = drawing::clBtnFace;
    surface.MoveTo(0, 0);
    surface.LineTo(10, 0);
    EXPECT_EQ(image.pixel(3, 0), testing_support::kFaceColour.rgb()) << "the light desktop's";

    const drawing::SystemColours dark {qRgb(0x20, 0x30, 0x40), qRgb(0xEE, 0xDD, 0xCC)};
    surface.setSystemColours(dark);
    surface.MoveTo(0, 1);
    surface.LineTo(10, 1);
    // A bitmap made for the surface resolves them as the surface does.
    drawing::Bitmap bitmap(10, 1, surface);
    bitmap.canvas().pen().colour = drawing::clWindowText;
    bitmap.canvas().MoveTo(0, 0);
    bitmap.canvas().LineTo(10, 0);
    surface.Draw(0, 2, bitmap);
    EXPECT_EQ(image.pixel(3, 1), dark.face);
    EXPECT_EQ(image.pixel(3, 2), dark.windowText);
    EXPECT_EQ(image.pixel(3, 0), testing_support::kFaceColour.rgb()) << "what was drawn stays";
}

TEST(SurfaceState, OddTargetImages)
{
    // Only 32-bit RGB images are drawn on; another format is left as it is.
    QImage rgb888(8, 8, QImage::Format_RGB888);
    rgb888.fill(Qt::white);
    const QImage before = rgb888.copy();
    drawing::Surface surface(rgb888, QPoint(0, 0), QSize(8, 8));
    surface.MoveTo(0, 4);
    surface.LineTo(8, 4);
    EXPECT_EQ(rgb888.format(), QImage::Format_RGB888);
    EXPECT_TRUE(rgb888 == before);

    // An image shared with a copy is detached before drawing, so the copy keeps its pixels.
    QImage shared = whiteImage(6, 6);
    const QImage copy = shared;
    drawing::Surface onShared(shared, QPoint(0, 0), QSize(6, 6));
    onShared.MoveTo(0, 0);
    onShared.LineTo(6, 0);
    EXPECT_EQ(shared.pixel(2, 0), kBlack);
    EXPECT_EQ(copy.pixel(2, 0), kWhite);
}

TEST(SurfaceState, ALineFarBeyondTheSurfaceKeepsItsPixels)
{
    // The pixel-for-pixel line through nearly the whole coordinate range lands on the diagonal.
    QImage clean = whiteImage(30, 30);
    drawing::Surface diagonal(clean, QPoint(0, 0), QSize(30, 30));
    diagonal.MoveTo(-1000000000, -1000000000);
    diagonal.LineTo(1000000000, 1000000000);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(clean.pixel(i, i), kBlack) << "(" << i << "," << i << ")";
    EXPECT_EQ(pixelsNot(clean, kWhite).size(), std::size_t(30));
}

} // namespace
