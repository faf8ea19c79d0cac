// SPDX-License-Identifier: MIT
// Bitmaps, Draw, the state each surface keeps, system colours and odd targets.
#include "surface.h"
#include "surface_test_helpers.h"
#include "test_palette.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

#include <limits>

using namespace surface_test;

namespace {

// Replaces the application palette's face and window-text colours for one test.
class PaletteOverride
{
public:
    PaletteOverride(const QColor &face, const QColor &text) : m_saved(QGuiApplication::palette())
    {
        QPalette palette = m_saved;
        palette.setColor(QPalette::Window, face);
        palette.setColor(QPalette::WindowText, text);
        QGuiApplication::setPalette(palette);
    }
    ~PaletteOverride() { QGuiApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

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

    // Sizes of nothing give an empty bitmap that takes any drawing harmlessly.
    for (const QSize size : {QSize(0, 10), QSize(10, 0), QSize(-5, -5)}) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        drawing::Bitmap empty(size.width(), size.height());
        EXPECT_TRUE(empty.image().isNull());
        empty.canvas().MoveTo(0, 0);
        empty.canvas().LineTo(5, 5);
        empty.canvas().Rectangle(0, 0, 5, 5);
        empty.canvas().Arc(0, 0, 5, 5, 0, 0, 0, 0);
        empty.canvas().TextOut(0, 0, QStringLiteral("x"));
        drawing::Bitmap target(4, 4);
        target.canvas().Draw(0, 0, empty);
        EXPECT_TRUE(pixelsNot(target.image(), kWhite).empty());
    }
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

TEST(SurfaceState, SystemColoursFollowThePaletteWhenDrawing)
{
    drawing::Bitmap bitmap(10, 4);
    drawing::Surface &canvas = bitmap.canvas();
    canvas.pen().colour = drawing::clBtnFace;
    canvas.MoveTo(0, 0);
    canvas.LineTo(10, 0);
    EXPECT_EQ(bitmap.image().pixel(3, 0), testing_support::kFaceColour.rgb());
    {
        const PaletteOverride scheme(QColor(0x20, 0x30, 0x40), QColor(0xEE, 0xDD, 0xCC));
        canvas.MoveTo(0, 1);
        canvas.LineTo(10, 1);
        canvas.pen().colour = drawing::clWindowText;
        canvas.MoveTo(0, 2);
        canvas.LineTo(10, 2);
    }
    EXPECT_EQ(bitmap.image().pixel(3, 1), qRgb(0x20, 0x30, 0x40)) << "the face colour of now";
    EXPECT_EQ(bitmap.image().pixel(3, 2), qRgb(0xEE, 0xDD, 0xCC));
    EXPECT_EQ(bitmap.image().pixel(3, 0), testing_support::kFaceColour.rgb())
        << "what was drawn before stays";
}

TEST(SurfaceState, OddTargetImages)
{
    // Another pixel format is converted to 32-bit pixels once, and drawing then works.
    QImage rgb888(8, 8, QImage::Format_RGB888);
    rgb888.fill(Qt::white);
    {
        drawing::Surface surface(rgb888, QPoint(0, 0), QSize(8, 8));
        surface.MoveTo(0, 4);
        surface.LineTo(8, 4);
    }
    EXPECT_EQ(rgb888.format(), QImage::Format_RGB32);
    EXPECT_EQ(rgb888.pixel(5, 4), kBlack);
    EXPECT_EQ(rgb888.pixel(5, 3), kWhite);

    // A null image, a surface off the image and one of negative size draw nothing.
    QImage null;
    drawing::Surface onNull(null, QPoint(0, 0), QSize(10, 10));
    onNull.MoveTo(0, 0);
    onNull.LineTo(9, 9);
    onNull.TextOut(0, 0, QStringLiteral("x"));
    EXPECT_TRUE(null.isNull());

    QImage image = whiteImage(10, 10);
    drawing::Surface offImage(image, QPoint(20, 20), QSize(10, 10));
    drawing::Surface negative(image, QPoint(2, 2), QSize(-4, 5));
    for (drawing::Surface *surface : {&offImage, &negative}) {
        surface->brush().colour = drawing::clBlack;
        surface->Rectangle(-100, -100, 100, 100);
        surface->MoveTo(-50, -50);
        surface->LineTo(50, 50);
    }
    EXPECT_TRUE(pixelsNot(image, kWhite).empty());

    // An image shared with a copy is detached before drawing, so the copy keeps its pixels.
    QImage shared = whiteImage(6, 6);
    const QImage copy = shared;
    drawing::Surface onShared(shared, QPoint(0, 0), QSize(6, 6));
    onShared.MoveTo(0, 0);
    onShared.LineTo(6, 0);
    EXPECT_EQ(shared.pixel(2, 0), kBlack);
    EXPECT_EQ(copy.pixel(2, 0), kWhite);
}

TEST(SurfaceState, ExtremeCoordinatesAreDrawnSafely)
{
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    QImage image = whiteImage(30, 30);
    drawing::Surface surface(image, QPoint(0, 0), QSize(30, 30));
    surface.brush().colour = drawing::rgbColour(0x80, 0x80, 0x80);
    for (int width : {1, 3, kMax, kMin}) {
        SCOPED_TRACE(testing::Message() << "pen width " << width);
        surface.pen().width = width;
        for (bool mapped : {false, true}) {
            if (mapped)
                surface.setAnisotropicMapping(QSize(kMin, 1), QSize(kMax, kMax));
            else
                surface.setPixelMapping();
            surface.MoveTo(kMin, kMin);
            surface.LineTo(kMax, kMax);
            surface.LineTo(kMin, kMax);
            surface.Rectangle(kMin, kMin, kMax, kMax);
            const QPoint polygon[] = {{kMin, 0}, {kMax, 5}, {0, kMax}, {kMin, kMin}};
            surface.Polygon(polygon);
            surface.Arc(kMin, kMin, kMax, kMax, kMax, 0, kMin, 0);
            surface.Arc(-5, -5, 40, 40, kMax, kMin, kMin, kMax);
            surface.TextOut(kMax, kMin, QStringLiteral("x"));
            surface.TextOut(kMin, 3, QStringLiteral("x"));
        }
    }
    surface.setPixelMapping();

    // The pixel-for-pixel line through the whole range still lands on the diagonal.
    QImage clean = whiteImage(30, 30);
    drawing::Surface diagonal(clean, QPoint(0, 0), QSize(30, 30));
    diagonal.MoveTo(-1000000000, -1000000000);
    diagonal.LineTo(1000000000, 1000000000);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(clean.pixel(i, i), kBlack) << "(" << i << "," << i << ")";
    EXPECT_EQ(pixelsNot(clean, kWhite).size(), std::size_t(30));

    // A surface whose origin and size are far out draws nothing and does not fail.
    drawing::Surface far(image, QPoint(kMin, kMax), QSize(kMax, kMax));
    far.MoveTo(0, 0);
    far.LineTo(100, 100);
    drawing::Bitmap source(3, 3);
    far.Draw(kMax, kMax, source);
    surface.Draw(kMax, kMin, source);
    surface.Draw(kMin, kMax, source);
}

} // namespace
