// SPDX-License-Identifier: MIT
#include "intensity_profile.h"
#include "reference_model.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0; // the 80 bits of the value, not the padding
}

// Every position of each scroll bar, narrow slits now and then, and the corners of the ranges.
TEST(IntensityProfile, EqualsTheReferenceEvaluationBitForBit)
{
    std::vector<reference::Setting> settings = reference::sweep(420);
    for (int s1 : {1, 381})
        for (int s2 : {20, 40})
            for (int s3 : {170, 220})
                for (int a : {1, 1000, 10000})
                    settings.push_back({s1, s2, s3, a});
    for (const reference::Setting &s : settings) {
        SCOPED_TRACE(testing::Message() << "setting " << s.suwak1 << "/" << s.suwak2 << "/"
                                        << s.suwak3 << "/" << s.a_nm);
        const optics::Parameters p = reference::parameters(s);
        const optics::IntensityProfile profile(p);
        ASSERT_EQ(profile.parameters().nr_fali, p.nr_fali);
        for (int x = -180; x <= 180; ++x) {
            const long double v = reference::graphValue(p, x);
            ASSERT_EQ(profile.stripIntensity(x), optics::natezenie(p, x)) << "x = " << x;
            ASSERT_TRUE(sameBits(profile.graphValue(x), v))
                << "x = " << x << ": " << double(profile.graphValue(x)) << " vs " << double(v);
        }
        ASSERT_EQ(profile.stripIntensity(250), profile.stripIntensity(180)) << "the nearer end";
    }
}

} // namespace
