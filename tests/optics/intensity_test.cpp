// SPDX-License-Identifier: MIT
#include "intensity.h"
#include "setting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

struct Setting
{
    int suwak1, suwak2, suwak3, a_nm;
};

optics::Parameters parametersFor(const Setting &s)
{
    static const optics::SpectrumTables tables = [] {
        optics::SpectrumTables t;
        optics::widmo(t);
        return t;
    }();
    optics::Parameters p =
        optics::parametersFor({{s.suwak1, s.suwak2, s.suwak3, optics::kSuwakARange.min}}, tables);
    p.a_nm = s.a_nm;
    return p;
}

const Setting kStart {1, 20, 170, 1000};

TEST(Intensity, PhasesAtTheStartSetting)
{
    const auto p = parametersFor(kStart);
    for (double x : {1.0, 14.0, 100.0, 180.0}) {
        EXPECT_NEAR(optics::beta(p, x) / x, 0.110228, 1e-6) << "x = " << x;
        EXPECT_NEAR(optics::alfa(p, x) / x, 0.0055114, 1e-7) << "x = " << x;
    }
    // 3.1415, not π: β(1) = 3.1415 · 0.02 · 1000 / (1.5 · 380).
    EXPECT_NEAR(optics::beta(p, 1.0), 62.83 / 570.0, 1e-15);
}

TEST(Intensity, FirstDarkFringeAndTheEdgeAtTheStartSetting)
{
    const auto p = parametersFor(kStart);
    EXPECT_NEAR(optics::natezenie(p, 14.0), 0.00076, 0.000005);
    EXPECT_NEAR(optics::natezenie(p, 15.0), 0.0068, 0.00005);
    EXPECT_NEAR(optics::natezenie(p, 180.0), 0.2134, 0.00005);
}

TEST(Intensity, CentreIsOneAndThePatternIsExactlySymmetric)
{
    for (int s1 : {1, 77, 190, 381})
        for (int s2 : {20, 31, 40})
            for (int s3 : {170, 203, 220})
                for (int a : {1, 1000, 5600, 10000}) {
                    const auto p = parametersFor({s1, s2, s3, a});
                    SCOPED_TRACE(testing::Message() << s1 << "/" << s2 << "/" << s3 << "/" << a);
                    EXPECT_EQ(optics::natezenie(p, 0.0), 1.0);
                    for (int x = 1; x <= 180; ++x) {
                        const double i = optics::natezenie(p, x);
                        ASSERT_EQ(i, optics::natezenie(p, -x)) << "x = " << x;
                        ASSERT_GE(i, 0.0);
                        ASSERT_LE(i, 1.0);
                    }
                }
}

TEST(Intensity, VeryNarrowSlitsLeaveOnlyInterferenceFringes)
{
    for (int s1 : {1, 381})
        for (int s3 : {170, 220}) {
            const auto p = parametersFor({s1, 30, s3, 1});
            for (int x = 1; x <= 180; ++x) {
                const auto t = optics::intensityTerms(p, x);
                ASSERT_GT(t.sinc * t.sinc, 0.9999996L) << "x = " << x;
            }
        }
}

TEST(Intensity, WidestSlitReachesPastTheThirdDiffractionZero)
{
    const auto p = parametersFor({1, 20, 170, 10000});
    EXPECT_NEAR(optics::alfa(p, 180.0), 9.92, 0.005);
    EXPECT_NEAR(optics::alfa(p, -180.0), -9.92, 0.005);
    EXPECT_GT(optics::alfa(p, 180.0), 3 * std::numbers::pi);
}

} // namespace
