// SPDX-License-Identifier: MIT
#include "reference_model.h"
#include "setting.h"

#include <gtest/gtest.h>

#include <QFile>

using reference::tables;

TEST(Setting, PositionsStandForTheirQuantities)
{
    using optics::Bar;
    const optics::Setting s {{212, 33, 199, 45}, false};
    EXPECT_EQ(s.units(Bar::Wavelength), 591);
    EXPECT_EQ(s.units(Bar::Separation), 33) << "µm";
    EXPECT_EQ(s.units(Bar::Distance), 179) << "cm";
    EXPECT_EQ(s.slitWidthNm(), 4500);
    EXPECT_EQ(s.value(Bar::Separation), 33 / 1000.0L);
    EXPECT_EQ(s.value(Bar::Distance), 179 / 100.0L);

    const optics::Parameters p = optics::parametersFor(s, tables());
    EXPECT_EQ(p.nr_fali, 212);
    EXPECT_EQ(p.lambda_nm, 591.0);
    EXPECT_EQ(p.d_mm, 0.033) << "33 / 1000 rounded once to the nearest double";
    EXPECT_EQ(p.L_m, 1.79);
    EXPECT_EQ(p.a_nm, 4500);

    const optics::Setting narrow {{212, 33, 199, 45}, true};
    EXPECT_EQ(narrow.slitWidthNm(), 4500) << "the bar keeps its place while the slits are narrow";
    EXPECT_EQ(optics::parametersFor(narrow, tables()).a_nm, 1);

    // Positions beyond the scroll bars' ranges are taken at the nearer end.
    const optics::Parameters low = optics::parametersFor({{0, 5, -3, 1}}, tables());
    EXPECT_EQ(low.nr_fali, 1);
    EXPECT_EQ(low.d_mm, 0.02);
    EXPECT_EQ(low.L_m, 1.5);
    EXPECT_EQ(low.a_nm, 1000);
    const optics::Parameters high = optics::parametersFor({{100000, 41, 9999, 101}}, tables());
    EXPECT_EQ(high.nr_fali, 381);
    EXPECT_EQ(high.lambda_nm, 760.0);
    EXPECT_EQ(high.d_mm, 0.04);
    EXPECT_EQ(high.L_m, 2.0);
    EXPECT_EQ(high.a_nm, 10000);
}

TEST(Setting, RangesAreStatedAsTheManualPageStatesThem)
{
    EXPECT_EQ(optics::valuesText(optics::Bar::Wavelength).range(), "od 380 do 760 nm, co 1 nm");
    QFile page(QStringLiteral(":/tests/falorys.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll());
    for (const optics::Bar bar : {optics::Bar::Wavelength, optics::Bar::Separation,
                                  optics::Bar::Distance, optics::Bar::SlitWidth}) {
        const optics::BarValuesText v = optics::valuesText(bar);
        // The page's table gives the unit in words before the numbers.
        const std::string row = "od " + v.min + " do " + v.max + ", co " + v.step + '.';
        EXPECT_TRUE(manual.contains(QString::fromStdString(row))) << row;
    }
}
