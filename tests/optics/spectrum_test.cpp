// SPDX-License-Identifier: MIT
#include "spectrum.h"

#include <gtest/gtest.h>

namespace {

optics::SpectrumTables filledTables()
{
    optics::SpectrumTables t;
    optics::widmo(t);
    return t;
}

struct Entry
{
    int i, nm, r, g, b;
};

TEST(Spectrum, BandEdgesHoldTheTabulatedColours)
{
    const Entry edges[] = {
        {1, 380, 122, 0, 255},   {41, 420, 2, 0, 255},    {42, 421, 0, 5, 255},
        {71, 450, 0, 150, 255},  {72, 451, 0, 154, 251},  {96, 475, 0, 250, 155},
        {97, 476, 0, 255, 150},  {121, 500, 0, 255, 30},  {122, 501, 2, 255, 24},
        {141, 520, 40, 255, 5},  {142, 521, 43, 255, 0},  {181, 560, 160, 255, 0},
        {182, 561, 143, 255, 0}, {210, 589, 255, 255, 0}, {211, 590, 255, 255, 0},
        {241, 620, 255, 195, 0}, {242, 621, 255, 191, 0}, {261, 640, 255, 115, 0},
        {262, 641, 255, 113, 0}, {318, 697, 255, 1, 0},   {319, 698, 253, 0, 0},
        {381, 760, 129, 0, 0},
    };
    const auto t = filledTables();
    for (const Entry &e : edges) {
        SCOPED_TRACE(testing::Message() << "index " << e.i);
        EXPECT_EQ(t.tab_lambda[e.i], e.nm);
        EXPECT_EQ(t.tab_r[e.i], e.r);
        EXPECT_EQ(t.tab_g[e.i], e.g);
        EXPECT_EQ(t.tab_b[e.i], e.b);
    }
}

TEST(Spectrum, RedRestartsLowerAt561nmThenClimbsToYellow)
{
    const auto t = filledTables();
    EXPECT_EQ(t.tab_r[181], 160);
    EXPECT_EQ(t.tab_r[182], 143);
    for (int i = 183; i <= 210; ++i)
        EXPECT_EQ(t.tab_r[i] - t.tab_r[i - 1], 4) << "index " << i;
}

TEST(Spectrum, PureYellowOnlyAt589And590nm)
{
    const auto t = filledTables();
    for (int i = 1; i <= optics::kSpectrumSize; ++i) {
        const bool yellow = t.tab_r[i] == 255 && t.tab_g[i] == 255 && t.tab_b[i] == 0;
        EXPECT_EQ(yellow, t.tab_lambda[i] == 589 || t.tab_lambda[i] == 590)
            << t.tab_lambda[i] << " nm";
    }
}

TEST(Spectrum, EveryEntryIsFilledAndInRange)
{
    const auto t = filledTables();
    EXPECT_EQ(t.tab_lambda[0], 0) << "entry 0 is not part of the table";
    for (int i = 1; i <= optics::kSpectrumSize; ++i) {
        SCOPED_TRACE(testing::Message() << "index " << i);
        EXPECT_EQ(t.tab_lambda[i], i + 379);
        for (int c : {t.tab_r[i], t.tab_g[i], t.tab_b[i]}) {
            EXPECT_GE(c, 0);
            EXPECT_LE(c, 255);
        }
        // Green is full from 476 to 590 nm; blue is gone from 521 nm; green is gone from 698 nm.
        EXPECT_EQ(t.tab_g[i] == 255, i >= 97 && i <= 211);
        if (i >= 142) {
            EXPECT_EQ(t.tab_b[i], 0);
        }
        if (i >= 319) {
            EXPECT_EQ(t.tab_g[i], 0);
        }
    }
    EXPECT_EQ(t.colour(1), 0xFF007Au) << "0x00BBGGRR packing of 380 nm";
}

} // namespace
