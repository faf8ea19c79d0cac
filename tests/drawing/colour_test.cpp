// SPDX-License-Identifier: MIT
#include "colour.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace {

TEST(Colour, PlainColoursAreRedInTheLowByte)
{
    const drawing::SystemColours light;
    EXPECT_EQ(drawing::resolveColour(0x0000FF, light), qRgb(255, 0, 0));
    EXPECT_EQ(drawing::resolveColour(0x000080, light), qRgb(128, 0, 0)) << "maroon";
    EXPECT_EQ(drawing::resolveColour(drawing::rgbColour(122, 0, 255), light), qRgb(122, 0, 255));
    EXPECT_EQ(drawing::rgbColour(0x1FF, 0x100, 0), 0xFFu) << "only the low byte of each part";
}

TEST(Colour, SystemColoursComeFromThePaletteGiven)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x20, 0x30, 0x40));
    palette.setColor(QPalette::Base, QColor(0x99, 0x99, 0x99));
    palette.setColor(QPalette::WindowText, QColor(0xEE, 0xDD, 0xCC));
    const drawing::SystemColours scheme = drawing::systemColoursOf(palette);
    EXPECT_EQ(drawing::resolveColour(drawing::clBtnFace, scheme), qRgb(0x20, 0x30, 0x40));
    EXPECT_EQ(drawing::resolveColour(drawing::clWindowText, scheme), qRgb(0xEE, 0xDD, 0xCC));
    EXPECT_EQ(drawing::resolveColour(0xFF000005, scheme), scheme.face) << "any other: the face";
}

} // namespace
