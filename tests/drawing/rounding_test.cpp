// SPDX-License-Identifier: MIT
// The three ways the drawing code rounds, each with the ties its rules ask for.
#include "rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Rounding, HalvesToEvenForPixelsAndColours)
{
    EXPECT_EQ(drawing::roundHalfEven(0.5L), 0);
    EXPECT_EQ(drawing::roundHalfEven(1.5L), 2);
    EXPECT_EQ(drawing::roundHalfEven(2.5L), 2);
    EXPECT_EQ(drawing::roundHalfEven(-2.5L), -2);
    EXPECT_EQ(drawing::roundHalfEven(std::nextafter(2.5L, 3.0L)), 3) << "the value, not a tie";
    EXPECT_EQ(drawing::roundHalfEven(127.49999L), 127);
    // Held to ±2^30 where no int could hold the answer.
    constexpr int kFar = 1 << 30;
    EXPECT_EQ(drawing::roundHalfEven(1e300L), kFar);
    EXPECT_EQ(drawing::roundHalfEven(-1e300L), -kFar);
    EXPECT_EQ(drawing::roundHalfEven(std::numeric_limits<long double>::quiet_NaN()), -kFar);
}

TEST(Rounding, HalvesAwayFromZeroForPenHalfWidths)
{
    EXPECT_EQ(drawing::roundHalfAwayFromZero(0.5), 1);
    EXPECT_EQ(drawing::roundHalfAwayFromZero(1.5), 2);
    EXPECT_EQ(drawing::roundHalfAwayFromZero(2.5), 3);
    EXPECT_EQ(drawing::roundHalfAwayFromZero(-0.5), -1);
    EXPECT_EQ(drawing::roundHalfAwayFromZero(1.4999999), 1);
    // Where adding a half would round up in doubles.
    EXPECT_EQ(drawing::roundHalfAwayFromZero(std::nextafter(0.5, 0.0)), 0);
}

TEST(Rounding, HalvesUpForTheAnisotropicMapping)
{
    EXPECT_EQ(drawing::divideRoundingHalfUp(1, 2), 1);
    EXPECT_EQ(drawing::divideRoundingHalfUp(-1, 2), 0);
    EXPECT_EQ(drawing::divideRoundingHalfUp(-3, 2), -1);
    EXPECT_EQ(drawing::divideRoundingHalfUp(5, -2), -2) << "a negative denominator";
    EXPECT_EQ(drawing::divideRoundingHalfUp(1166 * 632, 1680), 439);
    EXPECT_EQ(drawing::divideRoundingHalfUp(7, 3), 2);
    EXPECT_EQ(drawing::divideRoundingHalfUp(-7, 3), -2);
}

} // namespace
