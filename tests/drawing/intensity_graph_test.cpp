// SPDX-License-Identifier: MIT
#include "intensity_graph.h"
#include "renderer_fixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace renderer_fixtures;

// The 361 × 76 panel as the client area shows it after drawIntensityGraph.
QImage panel(const optics::Parameters &p, const drawing::SystemColours &colours = {})
{
    QImage client = clientArea();
    drawing::Surface window(client, QPoint(0, 0), client.size(), colours);
    drawing::drawIntensityGraph(window, optics::IntensityProfile(p), tables());
    return client.copy(QRect(drawing::kGraphOrigin, drawing::kGraphSize));
}

TEST(IntensityGraph, PointsOfTheListedSettings)
{
    struct Case
    {
        Setting setting;
        std::vector<std::pair<int, int>> columnRows;
    };
    const Case cases[] = {
        {{1, 20, 170, 1000}, {{2, 47}, {100, 28}, {150, 5}, {180, 2}, {359, 53}}},
        {{381, 40, 220, 10000}, {{2, 74}, {100, 51}, {200, 74}, {359, 73}}},
        {{1, 20, 170, 1}, {{2, 37}, {150, 4}, {180, 2}}},
    };
    for (const Case &c : cases) {
        const Setting &s = c.setting;
        SCOPED_TRACE(testing::Message() << "setting " << s.suwak1 << "/" << s.suwak2 << "/"
                                        << s.suwak3 << "/" << s.a_nm);
        const optics::Parameters p = parameters(s);
        const QImage image = panel(p);
        const QRgb curve = shown(tables().colour(s.suwak1));
        for (auto [column, row] : c.columnRows) {
            EXPECT_EQ(drawing::graphRow(p, 180 - column), row) << "column " << column;
            EXPECT_EQ(at(image, column, row), hex(curve)) << "column " << column;
        }
    }
    EXPECT_EQ(shown(tables().colour(1)), rgb(122, 0, 255));
}

TEST(IntensityGraph, FrameBackgroundAndWindowState)
{
    for (const Setting &s : {Setting {1, 20, 170, 1000}, Setting {381, 40, 220, 10000}}) {
        SCOPED_TRACE(testing::Message() << "wavelength index " << s.suwak1);
        QImage client = clientArea();
        drawing::Surface window(client, QPoint(0, 0), client.size());
        window.pen() = {drawing::rgbColour(9, 8, 7), 3};
        window.brush().colour = drawing::rgbColour(1, 2, 3);
        window.font().name = QStringLiteral("Times New Roman");
        drawing::drawIntensityGraph(window, optics::IntensityProfile(parameters(s)), tables());
        EXPECT_EQ(window.pen().colour, drawing::rgbColour(9, 8, 7));
        EXPECT_EQ(window.pen().width, 3);
        EXPECT_EQ(window.brush().colour, drawing::rgbColour(1, 2, 3));
        EXPECT_EQ(window.font().name, QStringLiteral("Times New Roman"));

        const QImage image = client.copy(QRect(drawing::kGraphOrigin, drawing::kGraphSize));
        const QRgb curve = shown(tables().colour(s.suwak1));
        int faceCount = 0;
        for (int y = 0; y < 76; ++y)
            for (int x = 0; x <= 360; ++x) {
                const bool frame = x == 0 || x == 360 || y == 0 || y == 75;
                const QRgb c = image.pixel(x, y);
                if (frame)
                    ASSERT_EQ(at(image, x, y), hex(black())) << "frame " << x << "," << y;
                else if (x == 180 && y > 6)
                    ASSERT_EQ(at(image, x, y), hex(black())) << "centre line, row " << y;
                else if (x == 180)
                    ASSERT_TRUE(c == black() || c == curve)
                        << "centre, row " << y << ": " << hex(c);
                else
                    ASSERT_TRUE(c == face() || c == curve) << x << "," << y << ": " << hex(c);
                faceCount += c == face();
            }
        EXPECT_GT(faceCount, 361 * 76 / 2) << "the background is the face colour";
        EXPECT_EQ(client.pixel(7, 50), face());
        EXPECT_EQ(client.pixel(369, 50), face());
        EXPECT_EQ(client.pixel(100, 13), face());
        EXPECT_EQ(client.pixel(100, 90), face());
    }
}

TEST(IntensityGraph, EqualsTheReferencePanelForManySettings)
{
    for (const Setting &s : sweep()) {
        SCOPED_TRACE(testing::Message() << "setting " << s.suwak1 << "/" << s.suwak2 << "/"
                                        << s.suwak3 << "/" << s.a_nm);
        const optics::Parameters p = parameters(s);
        for (int x = -180; x <= 180; ++x)
            ASSERT_EQ(drawing::graphRow(p, x), reference::graphRow(p, x)) << "x = " << x;
        ASSERT_TRUE(panel(p) == reference::graphPanel(p, face()));
    }
    // The background is the face colour the window surface was given.
    const drawing::SystemColours dark {qRgb(0x20, 0x30, 0x40), qRgb(0xEE, 0xEE, 0xEE)};
    const optics::Parameters start = parameters({1, 20, 170, 1000});
    EXPECT_TRUE(panel(start, dark) == reference::graphPanel(start, dark.face));
}

} // namespace
