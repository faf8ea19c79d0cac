// SPDX-License-Identifier: MIT
// What the renderer tests share: the reference model, a client area as a full repaint starts
// it, and pixel helpers that print colours readably.
#pragma once

#include "colour.h"
#include "reference_model.h"
#include "test_palette.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace renderer_fixtures {

using reference::parameters;
using reference::Setting;
using reference::sweep;
using reference::tables;

/** The 632 × 434 client area filled with the face colour, as a full repaint begins. */
inline QImage clientArea()
{
    QImage image(632, 434, QImage::Format_RGB32);
    image.fill(testing_support::kFaceColour);
    return image;
}

inline QRgb rgb(int red, int green, int blue)
{
    return qRgb(red, green, blue);
}

inline QRgb face()
{
    return testing_support::kFaceColour.rgb();
}

inline QRgb black()
{
    return qRgb(0, 0, 0);
}

inline std::string hex(QRgb colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%06X", unsigned(colour & 0xFFFFFF));
    return text;
}

/** The colour at (x, y) as "#RRGGBB", so that failures say what was found. */
inline std::string at(const QImage &image, int x, int y)
{
    return hex(image.pixel(x, y));
}

/** The QRgb a plain 0x00BBGGRR colour shows as. */
inline QRgb shown(drawing::Colour colour)
{
    return drawing::resolveColour(colour, drawing::SystemColours {});
}

} // namespace renderer_fixtures
