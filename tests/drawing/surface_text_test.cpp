// SPDX-License-Identifier: MIT
// TextOut and TextExtent: the opaque cell, the glyphs, clipping, and what a shorter text leaves.
#include "font_mapping.h"
#include "surface.h"
#include "surface_test_helpers.h"
#include "test_palette.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

using namespace surface_test;

namespace {

drawing::Font arial12()
{
    drawing::Font font;
    font.name = QStringLiteral("Arial");
    font.height = -12;
    font.charset = drawing::EastEuropeCharset;
    return font;
}

// What TextOut is meant to put on `image`, made with QPainter alone: the cell filled with the
// background, then the glyphs on the baseline at the font's ascent.
void paintReference(QImage &image, QPoint at, const drawing::Font &font, const QString &display,
                    QRgb background, QRgb ink)
{
    const QFont qfont = drawing::toQFont(font);
    const QFontMetrics metrics(qfont);
    QPainter painter(&image);
    painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(display), metrics.height())),
                     QColor::fromRgb(background));
    painter.setFont(qfont);
    painter.setPen(QColor::fromRgb(ink));
    painter.drawText(at + QPoint(0, metrics.ascent()), display);
}

int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

TEST(SurfaceText, OpaqueCellThenGlyphsAsQtDrawsThem)
{
    const QRgb face = testing_support::kFaceColour.rgb();
    struct Case
    {
        const char *what;
        drawing::Font font;
        QString text;
        QString display;
        bool overhangs = false;
    };
    drawing::Font italic = arial12();
    italic.name = QStringLiteral("Times New Roman");
    italic.height = -40;
    italic.italic = true;
    drawing::Font symbol = arial12();
    symbol.name = QStringLiteral("Symbol");
    symbol.charset = drawing::SymbolCharset;
    const Case cases[] = {
        {"a readout", arial12(), QStringLiteral("380 [nm]"), QStringLiteral("380 [nm]")},
        {"Polish letters", arial12(), QStringLiteral("Natężenie"), QStringLiteral("Natężenie")},
        {"italic glyphs reaching out of their cell", italic, QStringLiteral("ff"),
         QStringLiteral("ff"), true},
        {"the Symbol face", symbol, QStringLiteral("b = p"), QStringLiteral("β = π")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QImage expected = whiteImage(160, 60);
        paintReference(expected, QPoint(10, 6), c.font, c.display, face, kBlack);
        QImage image = whiteImage(160, 60);
        drawing::Surface surface(image, QPoint(0, 0), QSize(160, 60));
        surface.font() = c.font;
        surface.brush().colour = drawing::clBtnFace;
        const QRect cell(QPoint(10, 6), surface.TextExtent(c.text));
        bool inkOutside = false;
        for (const auto &[x, y] : pixelsNot(expected, kWhite))
            inkOutside = inkOutside || !cell.contains(x, y);
        EXPECT_EQ(inkOutside, c.overhangs) << "glyph pixels outside the cell";
        // Twice: first rendered, then from the surface's cache of cells; both onto fresh pixels.
        for (int pass = 0; pass < 2; ++pass) {
            SCOPED_TRACE(pass == 0 ? "first drawing" : "drawn again");
            image.fill(kWhite);
            surface.TextOut(10, 6, c.text);
            EXPECT_EQ(differingPixels(image, expected), 0);
        }
    }
}

TEST(SurfaceText, CellIsFilledAndItsSizeIsTheExtent)
{
    QImage image = whiteImage(120, 40);
    drawing::Surface surface(image, QPoint(0, 0), QSize(120, 40));
    surface.font() = arial12();
    surface.font().colour = drawing::rgbColour(255, 0, 0);
    surface.brush().colour = drawing::rgbColour(0, 0, 255);
    const QString text = QStringLiteral("1,50 [m]");
    const QSize extent = surface.TextExtent(text);
    const QFontMetrics metrics(drawing::toQFont(surface.font()));
    EXPECT_EQ(extent, QSize(metrics.horizontalAdvance(text), metrics.height()));
    EXPECT_EQ(surface.TextExtent(QString()).width(), 0);

    surface.TextOut(7, 5, text);
    const QRect cell(QPoint(7, 5), extent);
    int glyphPixels = 0;
    for (const auto &[x, y] : pixelsNot(image, kWhite)) {
        ASSERT_TRUE(cell.contains(x, y)) << "(" << x << "," << y << ") lies outside the cell";
        glyphPixels += image.pixel(x, y) != 0xFF0000FF ? 1 : 0;
    }
    EXPECT_EQ(pixelsNot(image, kWhite).size(), std::size_t(extent.width() * extent.height()))
        << "no pixel of the cell keeps the white beneath it";
    EXPECT_GT(glyphPixels, 30) << "the glyphs are drawn over the brush";
    int inked = 0;
    for (const auto &[x, y] : pixelsNot(image, kWhite))
        inked += qRed(image.pixel(x, y)) >= 0xC0 && qBlue(image.pixel(x, y)) < 0x40 ? 1 : 0;
    EXPECT_GT(inked, 10) << "mostly covered glyph pixels take the font's colour";
}

TEST(SurfaceText, ShorterTextLeavesTheTailOfALongerOne)
{
    QImage image = whiteImage(140, 30);
    drawing::Surface surface(image, QPoint(0, 0), QSize(140, 30));
    surface.font() = arial12();
    surface.brush().colour = drawing::clBtnFace;
    surface.TextOut(5, 5, QStringLiteral("10000 [nm]  "));
    const QImage longer = image.copy();
    surface.TextOut(5, 5, QStringLiteral("9900 [nm]  "));
    const int shortEnd = 5 + surface.TextExtent(QStringLiteral("9900 [nm]  ")).width();
    const int longEnd = 5 + surface.TextExtent(QStringLiteral("10000 [nm]  ")).width();
    ASSERT_LT(shortEnd, longEnd);
    for (int y = 0; y < 30; ++y)
        for (int x = shortEnd; x < 140; ++x)
            ASSERT_EQ(image.pixel(x, y), longer.pixel(x, y)) << "(" << x << "," << y << ")";
    EXPECT_GT(differingPixels(image, longer), 0) << "the shorter text did change its own cell";
}

TEST(SurfaceText, ClippedToTheSurface)
{
    // The first scale label starts one pixel left of the client area; a paint box inside a
    // bigger image cuts a text at its edges.
    const QRgb face = testing_support::kFaceColour.rgb();
    QImage whole = whiteImage(100, 40);
    paintReference(whole, QPoint(19, 16), arial12(), QStringLiteral("-18 [cm]"), face, kBlack);

    QImage image = whiteImage(100, 40);
    drawing::Surface box(image, QPoint(20, 20), QSize(30, 8));
    box.font() = arial12();
    box.brush().colour = drawing::clBtnFace;
    box.TextOut(-1, -4, QStringLiteral("-18 [cm]"));
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 100; ++x) {
            const bool inside = QRect(20, 20, 30, 8).contains(x, y);
            ASSERT_EQ(image.pixel(x, y), inside ? whole.pixel(x, y) : kWhite)
                << "(" << x << "," << y << ")";
        }
    }
    // Entirely outside: nothing happens.
    const QImage before = image.copy();
    box.TextOut(200, 200, QStringLiteral("0"));
    box.TextOut(-100, 0, QStringLiteral("0"));
    EXPECT_EQ(differingPixels(image, before), 0);
}

TEST(SurfaceText, ColoursAreResolvedWhenDrawing)
{
    // The same text in another brush or font colour is not taken from the cache of cells.
    QImage image = whiteImage(60, 20);
    drawing::Surface surface(image, QPoint(0, 0), QSize(60, 20));
    surface.font() = arial12();
    surface.brush().colour = drawing::clBlack;
    surface.font().colour = drawing::clBtnFace;
    surface.TextOut(2, 2, QStringLiteral("L"));
    EXPECT_EQ(image.pixel(2, 2), kBlack) << "opaque black cell";
    EXPECT_FALSE(pixelsOf(image, testing_support::kFaceColour.rgb()).empty())
        << "glyph in the face colour";

    surface.brush().colour = drawing::rgbColour(0, 255, 0);
    surface.font().colour = drawing::clWindowText;
    surface.TextOut(2, 2, QStringLiteral("L"));
    EXPECT_EQ(image.pixel(2, 2), 0xFF00FF00);
    EXPECT_TRUE(pixelsOf(image, testing_support::kFaceColour.rgb()).empty());
    EXPECT_FALSE(pixelsOf(image, kBlack).empty()) << "window text is black in the test palette";
}

} // namespace
