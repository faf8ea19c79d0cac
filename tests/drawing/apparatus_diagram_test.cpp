// SPDX-License-Identifier: MIT
#include "apparatus_diagram.h"
#include "renderer_fixtures.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using namespace renderer_fixtures;

QImage diagram(int suwak2, int suwak3, int nr_fali)
{
    QImage client = clientArea();
    drawing::Surface paintBox(client, QPoint(8, 144), drawing::kDiagramSize);
    drawing::drawApparatusDiagram(paintBox, {{nr_fali, suwak2, suwak3, 10}}, tables());
    return client.copy(QRect(QPoint(8, 144), drawing::kDiagramSize));
}

/** What the diagram shows, written down from its layout rather than from the positions. */
struct Layout
{
    int x1, x2, y_sz;
    int c; ///< wave spacing, which is also the first radius
    std::vector<int> waveRows;
    int arcs; ///< per slit
    int headDown, headUp; ///< rows of the bases of the L arrowheads
};

void arrow(drawing::Surface &s, QPoint from, QPoint tip, QPoint p1, QPoint p2)
{
    s.MoveTo(from.x(), from.y());
    s.LineTo(tip.x(), tip.y());
    const std::array<QPoint, 3> head {tip, p1, p2};
    s.Polygon(head);
}

// The picture drawn step by step with literal geometry: every arrowhead from its table of
// corners, every wave row and arc count as given, so that nothing here repeats the rules.
QImage expectedDiagram(const Layout &l, drawing::Colour waves)
{
    drawing::Bitmap bitmap(361, 264);
    drawing::Surface &s = bitmap.canvas();
    s.font().name = QStringLiteral("Arial");
    s.font().height = -12;
    s.brush().colour = drawing::clBlack;
    s.Rectangle(0, 0, 361, 264);
    s.pen().colour = drawing::clBtnFace;
    s.brush().colour = drawing::clBtnFace;
    const int ym = l.y_sz / 2, y = l.y_sz;
    arrow(s, {345, ym}, {345, y - 1}, {342, l.headDown}, {348, l.headDown});
    arrow(s, {345, ym}, {345, 1}, {348, l.headUp}, {342, l.headUp});
    s.pen().width = 3;
    for (auto [from, to] : {std::pair {0, l.x1 - 3}, {l.x1 + 3, l.x2 - 3}, {l.x2 + 3, 360}}) {
        s.MoveTo(from, y);
        s.LineTo(to, y);
    }
    s.pen() = {waves, 1};
    for (int row : l.waveRows) {
        s.MoveTo(100, row);
        s.LineTo(260, row);
    }
    for (int k = 1; k <= l.arcs; ++k) {
        const int r = k * l.c;
        const int dx = int(std::nearbyint(r / 2.0)), dy = int(std::nearbyint(r * 0.8660254));
        for (int x : {l.x1, l.x2})
            s.Arc(x - r, y - r, x + r, y + r, x + dx, y - dy, x - dx - 2, y - dy);
    }
    s.pen().colour = drawing::clBtnFace;
    for (int x : {l.x1, l.x2}) {
        s.MoveTo(x, y + 5);
        s.LineTo(x, y + 15);
    }
    arrow(s, {l.x1 - 20, y + 10}, {l.x1, y + 10}, {l.x1 - 4, y + 13}, {l.x1 - 4, y + 7});
    arrow(s, {l.x2 + 20, y + 10}, {l.x2, y + 10}, {l.x2 + 4, y + 7}, {l.x2 + 4, y + 13});
    s.MoveTo(0, 0);
    s.LineTo(361, 0);
    s.brush().colour = drawing::clBlack;
    s.font().colour = drawing::clBtnFace;
    s.TextOut(l.x2 + 25, y + 2, QStringLiteral("d"));
    s.TextOut(330, ym, QStringLiteral("L"));
    return bitmap.image().convertToFormat(QImage::Format_RGB32);
}

const Layout kStartLayout {160, 200, 170, 19, {255, 236, 217, 198, 179}, 9, 161, 9};

TEST(ApparatusDiagram, StartState)
{
    const QImage image = diagram(20, 170, 1);
    ASSERT_TRUE(image == expectedDiagram(kStartLayout, tables().colour(1)));

    const QRgb waves = rgb(122, 0, 255);
    // The first arc round the left slit, Arc(141, 151, 179, 189, 170, 154, 148, 154).
    const std::vector<std::pair<int, std::pair<int, int>>> firstArc {
        {151, {156, 163}}, {152, {153, 155}}, {152, {164, 166}}, {153, {151, 152}},
        {153, {167, 168}}, {154, {150, 150}}, {154, {169, 169}}};
    for (auto [row, span] : firstArc)
        for (int x = span.first; x <= span.second; ++x)
            EXPECT_EQ(at(image, x, row), hex(waves)) << "first arc, " << x << "," << row;
    EXPECT_EQ(image.pixel(149, 155), black()) << "the first arc stops at row 154";

    // Wave lines on rows 255, 236, 217, 198 and 179 from column 100 to 259, nothing between.
    for (int y = 172; y < 264; ++y) {
        const bool wave = y == 255 || y == 236 || y == 217 || y == 198 || y == 179;
        EXPECT_EQ(at(image, 110, y), hex(wave ? waves : black())) << "row " << y;
    }
    EXPECT_EQ(image.pixel(100, 255), waves);
    EXPECT_EQ(image.pixel(259, 255), waves);
    EXPECT_EQ(image.pixel(99, 255), black());
    EXPECT_EQ(image.pixel(260, 255), black());

    // The label cells are opaque and drawn last: the wave line on row 179 stops under "d".
    EXPECT_EQ(image.pixel(224, 179), waves);
    EXPECT_NE(image.pixel(226, 179), waves);
    for (int x = 0; x <= 360; ++x)
        ASSERT_EQ(image.pixel(x, 0), face()) << "the screen line lies over the arcs, " << x;

    // The downward L arrowhead: base 342..348 on row 161, narrowing to the tip on the plate.
    for (auto [row, from, to] :
         {std::tuple {161, 342, 348}, {162, 342, 348}, {166, 344, 346}, {168, 345, 345}}) {
        EXPECT_EQ(image.pixel(from - 1, row), black()) << "row " << row;
        for (int x = from; x <= to; ++x)
            EXPECT_EQ(image.pixel(x, row), face()) << x << "," << row;
        EXPECT_EQ(image.pixel(to + 1, row), black()) << "row " << row;
    }
}

TEST(ApparatusDiagram, LayoutFollowsSeparationDistanceAndWavelength)
{
    struct Case
    {
        int suwak2, suwak3, nr_fali;
        Layout layout;
    };
    const Case cases[] = {
        {21, 170, 1, kStartLayout},
        {23, 171, 1, {158, 202, 171, 19, {256, 237, 218, 199, 180}, 10, 162, 9}},
        {25, 172, 1, {158, 202, 172, 19, {256, 237, 218, 199, 180}, 10, 162, 10}},
        {40, 220, 381, {150, 210, 220, 38, {261, 223}, 6, 208, 12}},
        {39, 195, 121, {150, 210, 195, 25, {254, 229, 204}, 8, 184, 11}}, // 500 nm
        {30, 200, 212, {155, 205, 200, 30, {262, 232, 202}, 7, 189, 11}}, // 590 nm
        {31, 200, 231, {154, 206, 200, 30, {262, 232, 202}, 7, 189, 11}}, // 610 nm
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "suwak2 " << c.suwak2 << ", suwak3 " << c.suwak3
                                        << ", index " << c.nr_fali);
        EXPECT_TRUE(diagram(c.suwak2, c.suwak3, c.nr_fali)
                    == expectedDiagram(c.layout, tables().colour(c.nr_fali)));
    }

    // Slit offsets s for the separations 20 to 40: the halves go to the even neighbour.
    const int s[] = {10, 10, 9, 8, 8, 8, 7, 6, 6, 6, 5, 4, 4, 4, 3, 2, 2, 2, 1, 0, 0};
    for (int suwak2 = 20; suwak2 <= 40; ++suwak2) {
        SCOPED_TRACE(testing::Message() << "suwak2 " << suwak2);
        const QImage image = diagram(suwak2, 170, 1);
        const int x1 = 150 + s[suwak2 - 20], x2 = 210 - s[suwak2 - 20];
        for (int x : {x1, x2}) {
            EXPECT_EQ(at(image, x, 176), hex(face())) << "tick under the slit at " << x;
            EXPECT_EQ(image.pixel(x - 1, 176), black()) << x;
            EXPECT_EQ(image.pixel(x + 1, 176), black()) << x;
            EXPECT_EQ(at(image, x, 170), hex(black())) << "the slit at " << x;
            EXPECT_EQ(at(image, x - 2, 170), hex(face())) << "the plate left of " << x;
            EXPECT_EQ(at(image, x + 2, 170), hex(face())) << "the plate right of " << x;
        }
    }
}

TEST(ApparatusDiagram, DependsOnNothingButItsInputs)
{
    const QImage first = diagram(27, 199, 200);
    diagram(40, 220, 381);
    EXPECT_TRUE(diagram(27, 199, 200) == first) << "nothing carries over from call to call";
    EXPECT_FALSE(diagram(27, 199, 201) == first) << "a different wavelength colours the waves";
    EXPECT_TRUE(diagram(-5, 9999, 0) == diagram(20, 220, 1)) << "held at the scroll bars' limits";
}

TEST(ApparatusDiagram, ArrowHead)
{
    // An arrow with distinct pen and brush shows the head's outline and its fill.
    drawing::Bitmap bitmap(361, 264);
    drawing::Surface &s = bitmap.canvas();
    s.pen() = {drawing::clBlack, 3};
    s.brush().colour = drawing::rgbColour(128, 128, 128);
    drawing::wektor(s, 345, 85, 345, 169, 0.1);
    EXPECT_EQ(s.pen().width, 1);
    const QImage &image = bitmap.image();
    const QRgb pen = black(), fill = rgb(128, 128, 128), white = rgb(255, 255, 255);
    const std::vector<std::tuple<int, std::vector<int>, int, int>> rows {
        {162, {342, 348}, 343, 347},
        {163, {343, 347}, 344, 346},
        {165, {343, 346}, 344, 345},
        {167, {344, 346}, 345, 345}};
    for (const auto &[y, pens, fillFrom, fillTo] : rows) {
        for (int x : pens)
            EXPECT_EQ(at(image, x, y), hex(pen)) << x << "," << y;
        for (int x = fillFrom; x <= fillTo; ++x)
            EXPECT_EQ(at(image, x, y), hex(fill)) << x << "," << y;
        EXPECT_EQ(image.pixel(pens.front() - 1, y), white) << "row " << y;
    }
    for (int x = 342; x <= 348; ++x)
        EXPECT_EQ(image.pixel(x, 161), pen) << "base, " << x;
}

} // namespace
