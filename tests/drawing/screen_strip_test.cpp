// SPDX-License-Identifier: MIT
#include "readouts.h"
#include "renderer_fixtures.h"
#include "screen_strip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace {

using namespace renderer_fixtures;

const optics::Setting kStart {{1, 20, 170, 10}};

// The client area after the strip of one setting.
struct Window
{
    QImage image = clientArea();
    drawing::Surface surface {image, QPoint(0, 0), image.size()};

    void drawStrip(const Setting &s)
    {
        drawing::drawPatternStrip(surface, optics::IntensityProfile(parameters(s)), tables());
    }
    QRgb column(int i) const { return image.pixel(8 + i, 105); }
};

TEST(FormatFixed, RoundsToItsDecimals)
{
    const QChar comma(u',');
    for (int s2 = 20; s2 <= 40; ++s2)
        EXPECT_EQ(drawing::formatFixed(s2 / 1000.0L, 3, comma),
                  QStringLiteral("0,%1").arg(s2, 3, 10, QLatin1Char('0')));
    for (int s3 = 170; s3 <= 220; ++s3) {
        const int cm = s3 - 20;
        EXPECT_EQ(drawing::formatFixed(cm / 100.0L, 2, QLatin1Char('.')),
                  QStringLiteral("%1.%2").arg(cm / 100).arg(cm % 100, 2, 10, QLatin1Char('0')));
    }
    struct Case
    {
        long double value;
        int decimals;
        const char *text;
    };
    const Case cases[] = {
        {0.125L, 2, "0,13"}, // exact halves go away from zero
        {-0.125L, 2, "-0,13"},
        {2.5L, 0, "3"},
        {0.375L, 2, "0,38"},
        {std::nextafter(0.125L, 0.0L), 2, "0,12"}, // the value, not its shortest decimal form
        {std::nextafter(0.125L, 1.0L), 2, "0,13"},
        {0.0L, 3, "0,000"},
        {-0.0001L, 2, "0,00"},
        {1e-300L, 2, "0,00"},
        {9.996L, 2, "10,00"},
        {123456.0L, 0, "123456"},
        {0.5L, 25, "0,500000000000000000"}, // at most 18 decimals
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(drawing::formatFixed(c.value, c.decimals, comma), QString::fromLatin1(c.text));
    }
    EXPECT_EQ(drawing::formatFixed(1e20L, 1, comma), QStringLiteral("100000000000000000000,0"));
}

TEST(ScreenStrip, StartSettings)
{
    Window w;
    w.drawStrip({1, 20, 170, 1000});
    const std::set<int> blackColumns {23, 52, 80, 109, 137, 166, 194, 223, 251, 280, 308, 337};
    for (int i = 0; i <= 360; ++i) {
        SCOPED_TRACE(testing::Message() << "column " << i);
        EXPECT_EQ(w.column(i) == black(), blackColumns.count(i) == 1) << at(w.image, 8 + i, 105);
        for (int y = 106; y < 145; ++y)
            ASSERT_EQ(w.image.pixel(8 + i, y), w.column(i)) << "row " << y;
        EXPECT_EQ(w.image.pixel(8 + i, 104), face()) << "above the strip";
        EXPECT_EQ(w.image.pixel(8 + i, 145), face()) << "below the strip";
    }
    EXPECT_EQ(at(w.image, 8 + 180, 105), hex(rgb(122, 0, 255))) << "centre";
    EXPECT_EQ(at(w.image, 8 + 0, 105), hex(rgb(26, 0, 54))) << "left edge";
    EXPECT_EQ(at(w.image, 8 + 360, 105), hex(rgb(26, 0, 54))) << "right edge";
    EXPECT_EQ(w.image.pixel(7, 120), face());
    EXPECT_EQ(w.image.pixel(369, 120), face());
}

TEST(ScreenStrip, EveryColumnIsTheReferenceColourForManySettings)
{
    Window w;
    for (const Setting &s : sweep()) {
        SCOPED_TRACE(testing::Message() << "setting " << s.suwak1 << "/" << s.suwak2 << "/"
                                        << s.suwak3 << "/" << s.a_nm);
        w.drawStrip(s);
        const QImage expected = reference::strip(parameters(s));
        for (int i = 0; i <= 360; ++i) {
            ASSERT_EQ(at(w.image, 8 + i, 105), hex(expected.pixel(i, 0))) << "column " << i;
            ASSERT_EQ(w.image.pixel(8 + i, 144), expected.pixel(i, 39)) << "column " << i;
        }
        ASSERT_EQ(w.column(180), shown(tables().colour(s.suwak1))) << "centre";
    }
}

// The readouts, drawn by hand the way the strip renderer must draw them, on a second client area.
QImage expectedReadouts(const QStringList &texts)
{
    static const QPoint places[] = {{536, 202}, {548, 246}, {560, 291}, {554, 336}};
    QImage image = clientArea();
    drawing::Surface s(image, QPoint(0, 0), image.size());
    s.font().name = QStringLiteral("Arial");
    s.font().height = -12;
    s.brush().colour = drawing::clBtnFace;
    for (int k = 0; k < texts.size(); ++k)
        s.TextOut(places[k % 4].x(), places[k % 4].y(), texts[k]);
    return image;
}

QImage readoutArea(const QImage &client)
{
    return client.copy(QRect(400, 0, 232, 434)); // right of the strip: the readouts only
}

TEST(ScreenStrip, Readouts)
{
    for (QChar separator : {QChar(u','), QChar(u'.')}) {
        SCOPED_TRACE(testing::Message() << "separator " << char(separator.unicode()));
        const QString sep(separator);
        Window w;
        w.surface.font().charset = drawing::EastEuropeCharset;
        drawing::drawReadouts(w.surface, kStart, separator);
        const QImage expected = expectedReadouts(
            {"380 [nm]", "0" + sep + "020 [mm]", "1" + sep + "50 [m]", "1000 [nm]  "});
        EXPECT_TRUE(readoutArea(w.image) == readoutArea(expected));
        EXPECT_FALSE(readoutArea(w.image) == readoutArea(clientArea())) << "some text shows";

        EXPECT_EQ(w.surface.font().name, QStringLiteral("Arial"));
        EXPECT_EQ(w.surface.font().height, -12);
        EXPECT_EQ(w.surface.font().charset, drawing::EastEuropeCharset) << "left as it was";
        EXPECT_EQ(w.surface.font().colour, drawing::clWindowText) << "left as it was";
        EXPECT_EQ(w.surface.brush().colour, drawing::clBtnFace);

        // The last settings, then a shorter slit width over the longer one: its tail stays.
        drawing::drawReadouts(w.surface, {381, 40, 220, 100}, separator);
        drawing::drawReadouts(w.surface, {381, 40, 220, 99}, separator);
        const QString last = "2" + sep + "00 [m]";
        const QImage both =
            expectedReadouts({"760 [nm]", "0" + sep + "040 [mm]", last, "10000 [nm]  ", "760 [nm]",
                              "0" + sep + "040 [mm]", last, "9900 [nm]  "});
        EXPECT_TRUE(readoutArea(w.image) == readoutArea(both));
    }
}

} // namespace
