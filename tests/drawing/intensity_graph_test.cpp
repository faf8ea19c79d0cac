// SPDX-License-Identifier: MIT
#include "intensity_graph.h"
#include "renderer_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace renderer_fixtures;

// The 361 × 76 panel as the client area shows it after drawIntensityGraph.
QImage panel(const optics::Parameters &p)
{
    QImage client = clientArea();
    drawing::Surface window(client, QPoint(0, 0), client.size());
    drawing::drawIntensityGraph(window, p, tables());
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
        const optics::Parameters p = parameters(s.suwak1, s.suwak2, s.suwak3, s.a_nm);
        const QImage image = panel(p);
        const QRgb curve = drawing::resolveColour(tables().colour(s.suwak1));
        for (auto [column, row] : c.columnRows) {
            EXPECT_EQ(drawing::graphRow(p, 180 - column), row) << "column " << column;
            EXPECT_EQ(at(image, column, row), hex(curve)) << "column " << column;
        }
    }
    EXPECT_EQ(drawing::resolveColour(tables().colour(1)), rgb(122, 0, 255));
}

TEST(IntensityGraph, FrameBackgroundAndWindowState)
{
    for (const Setting &s : {Setting {1, 20, 170, 1000}, Setting {381, 40, 220, 10000}}) {
        SCOPED_TRACE(testing::Message() << "wavelength index " << s.suwak1);
        const optics::Parameters p = parameters(s.suwak1, s.suwak2, s.suwak3, s.a_nm);
        QImage client = clientArea();
        drawing::Surface window(client, QPoint(0, 0), client.size());
        window.pen() = {drawing::rgbColour(9, 8, 7), 3};
        window.brush().colour = drawing::rgbColour(1, 2, 3);
        window.font().name = QStringLiteral("Times New Roman");
        drawing::drawIntensityGraph(window, p, tables());
        EXPECT_EQ(window.pen().colour, drawing::rgbColour(9, 8, 7));
        EXPECT_EQ(window.pen().width, 3);
        EXPECT_EQ(window.brush().colour, drawing::rgbColour(1, 2, 3));
        EXPECT_EQ(window.font().name, QStringLiteral("Times New Roman"));

        const QImage image = client.copy(QRect(drawing::kGraphOrigin, drawing::kGraphSize));
        const QRgb curve = drawing::resolveColour(tables().colour(s.suwak1));
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

// The panel drawn from the model written out: both ends of every segment evaluated anew.
QImage straightforwardPanel(const optics::Parameters &p)
{
    const auto row = [&p](double x) {
        long double v = 72.0L;
        if (x != 0) {
            const long double c = std::cos((long double)optics::beta(p, x));
            const long double a = optics::alfa(p, x);
            v = ((c * c * 72.0L) * (std::sin(a) / a)) * (std::sin(a) / a);
        }
        return 74 - int(std::nearbyint(v));
    };
    drawing::Bitmap bitmap(361, 76);
    drawing::Surface &s = bitmap.canvas();
    s.brush().colour = drawing::clBtnFace;
    s.Rectangle(0, 0, 361, 76);
    s.MoveTo(180, 75);
    s.LineTo(180, 0);
    s.pen() = {tables().colour(p.nr_fali), 2};
    for (int i = 2; i <= 358; ++i) {
        s.MoveTo(i, row(180 - i));
        s.LineTo(i + 1, row(179 - i));
    }
    return bitmap.image().convertToFormat(QImage::Format_RGB32);
}

TEST(IntensityGraph, EqualsTheStraightforwardPanelForManySettings)
{
    for (const Setting &s : sweep()) {
        SCOPED_TRACE(testing::Message() << "setting " << s.suwak1 << "/" << s.suwak2 << "/"
                                        << s.suwak3 << "/" << s.a_nm);
        const optics::Parameters p = parameters(s.suwak1, s.suwak2, s.suwak3, s.a_nm);
        ASSERT_EQ(drawing::graphRow(p, 0.0), 2);
        for (int x = 1; x <= 178; ++x)
            ASSERT_EQ(drawing::graphRow(p, x), drawing::graphRow(p, -x)) << "x = " << x;
        ASSERT_TRUE(panel(p) == straightforwardPanel(p));
    }
}

} // namespace
