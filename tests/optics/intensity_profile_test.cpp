// SPDX-License-Identifier: MIT
#include "intensity_profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

struct Setting
{
    int suwak1, suwak2, suwak3, a_nm;
};

// Every position of each scroll bar appears, the others stepping through theirs alongside, with
// the very narrow slits every seventh setting and the corners of the ranges added.
std::vector<Setting> sweep()
{
    std::vector<Setting> settings;
    for (int i = 0; i < 420; ++i)
        settings.push_back(
            {1 + i % 381, 20 + i % 21, 170 + i % 51, i % 7 == 3 ? 1 : 100 * (10 + (i * 13) % 91)});
    for (int s1 : {1, 381})
        for (int s2 : {20, 40})
            for (int s3 : {170, 220})
                for (int a : {1, 1000, 10000})
                    settings.push_back({s1, s2, s3, a});
    return settings;
}

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0; // the 80 bits of the value, not the padding
}

TEST(IntensityProfile, EqualsTheStraightforwardEvaluationBitForBit)
{
    optics::SpectrumTables tables;
    optics::widmo(tables);
    for (const Setting &s : sweep()) {
        optics::Parameters p;
        optics::readScrollPositions(p, tables, s.suwak1, s.suwak2, s.suwak3);
        p.a_nm = s.a_nm;
        const optics::IntensityProfile profile(p);
        SCOPED_TRACE(testing::Message() << "setting " << s.suwak1 << "/" << s.suwak2 << "/"
                                        << s.suwak3 << "/" << s.a_nm);
        ASSERT_EQ(profile.parameters().nr_fali, p.nr_fali);
        for (int x : {-1000, -181, 181, 250}) // beyond the table: evaluated afresh
            ASSERT_EQ(profile.stripIntensity(x), optics::natezenie(p, x)) << "x = " << x;
        for (int x = -180; x <= 180; ++x) {
            // The graph's value written out as the model defines it: ((c·c·72)·(s/a))·(s/a).
            long double v = 72.0L;
            if (x != 0) {
                const long double c = std::cos((long double)optics::beta(p, x));
                const long double a = optics::alfa(p, x);
                v = ((c * c * 72.0L) * (std::sin(a) / a)) * (std::sin(a) / a);
            }
            ASSERT_EQ(profile.stripIntensity(x), optics::natezenie(p, x)) << "x = " << x;
            ASSERT_TRUE(sameBits(profile.graphValue(x), v))
                << "x = " << x << ": " << double(profile.graphValue(x)) << " vs " << double(v);
        }
    }
}

// A later step of a redraw pass reuses the profile only for exactly its setting: each of the
// five parameters alone makes it another one.
TEST(IntensityProfile, ServesOnlyTheSettingItWasEvaluatedFor)
{
    optics::SpectrumTables tables;
    optics::widmo(tables);
    optics::Parameters p;
    optics::readScrollPositions(p, tables, 100, 30, 200);
    p.a_nm = 5000;
    const optics::IntensityProfile profile(p);
    EXPECT_TRUE(profile.isFor(p));
    const auto changed = [&p](auto change) {
        optics::Parameters q = p;
        change(q);
        return q;
    };
    EXPECT_FALSE(profile.isFor(changed([](auto &q) { q.nr_fali += 1; }))) << "nr_fali";
    EXPECT_FALSE(profile.isFor(changed([](auto &q) { q.lambda_nm += 1; }))) << "lambda_nm";
    EXPECT_FALSE(profile.isFor(changed([](auto &q) { q.d_mm = 0.031; }))) << "d_mm";
    EXPECT_FALSE(profile.isFor(changed([](auto &q) { q.L_m = 1.81; }))) << "L_m";
    EXPECT_FALSE(profile.isFor(changed([](auto &q) { q.a_nm = 1; }))) << "a_nm";
}

} // namespace
