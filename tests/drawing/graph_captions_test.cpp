// SPDX-License-Identifier: MIT
#include "graph_captions.h"
#include "intensity_graph.h"
#include "renderer_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using namespace renderer_fixtures;

// The captions as a full repaint leaves them: opis, then the graph panel over it.
struct Repaint
{
    QImage image = clientArea();
    drawing::Surface window {image, QPoint(0, 0), image.size()};

    Repaint()
    {
        drawing::opis(window);
        drawing::drawIntensityGraph(
            window, optics::IntensityProfile(parameters({1, 20, 170, 1000})), tables());
    }
};

struct Label
{
    const char *text;
    int x;
};
const Label kLabels[] = {{"-18", -1}, {"-12", 59}, {"-6", 122}, {"0", 185},
                         {"6", 245},  {"12", 302}, {"18", 362}, {"[cm]", 380}};

// Text drawn alone on a face-coloured client area in the captions' font.
QImage textAlone(const QString &text, int x, int y)
{
    QImage image = clientArea();
    drawing::Surface s(image, QPoint(0, 0), image.size());
    s.font() = {QStringLiteral("Arial"), -12, drawing::EastEuropeCharset};
    s.brush().colour = drawing::clBtnFace;
    s.TextOut(x, y, text);
    return image;
}

TEST(GraphCaptions, AxisTicksAndLabels)
{
    Repaint r;
    const QImage &image = r.image;
    EXPECT_EQ(r.window.font().name, QStringLiteral("Arial"));
    EXPECT_EQ(r.window.font().charset, drawing::EastEuropeCharset);
    EXPECT_EQ(r.window.font().height, -12);
    EXPECT_EQ(r.window.font().colour, drawing::clWindowText) << "never recoloured";
    EXPECT_EQ(r.window.pen().colour, drawing::clBlack);
    EXPECT_EQ(r.window.pen().width, 1);
    EXPECT_EQ(r.window.brush().colour, drawing::clBtnFace);

    // What shows of the axis: rows 9 to 13 above the graph's own centre column.
    for (int y = 9; y <= 14; ++y)
        EXPECT_EQ(at(image, 188, y), hex(black())) << "axis, row " << y;
    EXPECT_EQ(image.pixel(187, 12), face());
    EXPECT_EQ(image.pixel(189, 12), face());
    // The arrowhead (186, 9), (190, 9), (188, 1): black outline, face-coloured inside.
    for (int x = 186; x <= 190; ++x)
        EXPECT_EQ(at(image, x, 9), hex(black())) << "arrowhead base, " << x;
    EXPECT_EQ(image.pixel(185, 9), face());
    EXPECT_EQ(image.pixel(191, 9), face());
    EXPECT_EQ(at(image, 188, 1), hex(black())) << "apex";
    EXPECT_EQ(at(image, 187, 5), hex(black()));
    EXPECT_EQ(at(image, 188, 5), hex(face())) << "inside";
    EXPECT_EQ(at(image, 189, 5), hex(black()));
    EXPECT_EQ(image.pixel(188, 0), face());

    const QImage caption = textAlone(QStringLiteral("Natężenie"), 194, 1);
    const QRect captionCell(QPoint(194, 1), r.window.TextExtent(QStringLiteral("Natężenie")));
    const QRect aboveGraph = captionCell.intersected(QRect(0, 0, 632, 14));
    EXPECT_TRUE(image.copy(aboveGraph) == caption.copy(aboveGraph));
    EXPECT_FALSE(caption.copy(aboveGraph) == clientArea().copy(aboveGraph)) << "text shows";

    std::vector<QRect> cells;
    for (const Label &l : kLabels) {
        SCOPED_TRACE(l.text);
        const QString text = QString::fromLatin1(l.text);
        cells.emplace_back(QPoint(l.x, 90), r.window.TextExtent(text));
        const QRect cell = cells.back().intersected(image.rect());
        EXPECT_TRUE(image.copy(cell) == textAlone(text, l.x, 90).copy(cell));
    }
    // "-18" starts one column left of the client area: drawn one pixel in, it is the same
    // picture shifted, less its first column.
    const QImage shifted = textAlone(QStringLiteral("-18"), 1, 90);
    const int width = cells.front().width();
    EXPECT_TRUE(image.copy(0, 90, width - 1, cells.front().height())
                == shifted.copy(2, 90, width - 1, cells.front().height()));

    // Ticks every 30 columns: rows 90 to 104 show below the graph except under the labels.
    for (int k = 0; k <= 12; ++k) {
        const int x = 8 + 30 * k;
        for (int y = 90; y <= 104; ++y) {
            bool covered = false;
            for (const QRect &cell : cells)
                covered = covered || cell.contains(x, y);
            if (!covered) {
                EXPECT_EQ(at(image, x, y), hex(black())) << "tick " << x << ", row " << y;
            }
        }
        EXPECT_EQ(image.pixel(x, 105), face()) << "tick " << x << " ends on row 104";
        EXPECT_EQ(image.pixel(x, 89), black()) << "the graph's baseline";
    }
}

TEST(GraphCaptions, SpectrumBar)
{
    Repaint r;
    drawing::skala(r.window, tables(), QSize(632, 434));
    const QImage &image = r.image;
    EXPECT_FALSE(r.window.isMapped());
    EXPECT_EQ(r.window.pen().colour, tables().colour(381));
    EXPECT_EQ(r.window.brush().colour, drawing::clBlack);

    // The highest entry whose logical column 1200 + i lands on each pixel column.
    std::map<int, int> entryOf;
    for (int i = 1; i <= 381; ++i)
        entryOf[int(std::floor((1200 + i) * 632.0 / 1680.0 + 0.5))] = i;
    EXPECT_EQ(entryOf.begin()->first, 452);
    EXPECT_EQ(entryOf.begin()->second, 2);
    EXPECT_EQ(entryOf[453], 5);
    EXPECT_EQ(entryOf.rbegin()->first, 595);
    for (int x = 437; x <= 609; ++x) {
        SCOPED_TRACE(testing::Message() << "column " << x);
        QRgb expected = black();
        if (x < 439 || x > 607)
            expected = face();
        else if (entryOf.count(x))
            expected = shown(tables().colour(entryOf[x]));
        for (int y = 159; y <= 179; ++y)
            ASSERT_EQ(at(image, x, y), hex(expected)) << "row " << y;
        EXPECT_EQ(image.pixel(x, 158), face());
        EXPECT_EQ(image.pixel(x, 180), face());
    }

    // Pixel for pixel again afterwards, even when the surface came in mapped.
    r.window.MoveTo(0, 433);
    r.window.LineTo(5, 433);
    EXPECT_EQ(image.pixel(4, 433), shown(tables().colour(381)));
    EXPECT_EQ(image.pixel(5, 433), face());
    QImage small(316, 217, QImage::Format_RGB32);
    small.fill(testing_support::kFaceColour);
    drawing::Surface half(small, QPoint(0, 0), small.size());
    half.setAnisotropicMapping(QSize(3, 3), QSize(7, 7));
    drawing::skala(half, tables(), small.size());
    EXPECT_FALSE(half.isMapped());
    // A smaller client area scales the bar with it: logical 1166..1616 × 300..340.
    EXPECT_EQ(small.pixel(218, 85), face());
    EXPECT_EQ(small.pixel(219, 85), black());
    EXPECT_EQ(small.pixel(303, 85), black());
    EXPECT_EQ(small.pixel(304, 85), face());
    EXPECT_EQ(small.pixel(250, 78), face());
    EXPECT_EQ(small.pixel(220, 79), black());
    EXPECT_EQ(small.pixel(220, 89), black());
    EXPECT_EQ(small.pixel(220, 90), face());
}

} // namespace
