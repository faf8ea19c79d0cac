// SPDX-License-Identifier: MIT
#include "colour.h"
#include "test_palette.h"

#include <gtest/gtest.h>

namespace {

TEST(Colour, PlainColoursAreRedInTheLowByte)
{
    EXPECT_EQ(drawing::resolveColour(0x0000FF), qRgb(255, 0, 0));
    EXPECT_EQ(drawing::resolveColour(0x000080), qRgb(128, 0, 0)) << "maroon";
    EXPECT_EQ(drawing::resolveColour(drawing::rgbColour(122, 0, 255)), qRgb(122, 0, 255));
    EXPECT_EQ(drawing::rgbColour(0x1FF, 0x100, 0), 0xFFu) << "only the low byte of each part";
}

TEST(Colour, SystemColoursFollowThePalette)
{
    EXPECT_EQ(drawing::resolveColour(drawing::clBtnFace), testing_support::kFaceColour.rgb());
    EXPECT_EQ(drawing::resolveColour(drawing::clWindowText),
              testing_support::kWindowTextColour.rgb());
}

} // namespace
