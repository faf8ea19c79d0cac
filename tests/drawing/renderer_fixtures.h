// SPDX-License-Identifier: MIT
// What the renderer tests share: the spectrum tables, a client area as a full repaint starts it,
// and pixel helpers that print colours readably.
#pragma once

#include "colour.h"
#include "intensity.h"
#include "spectrum.h"
#include "test_palette.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace renderer_fixtures {

inline const optics::SpectrumTables &tables()
{
    static const optics::SpectrumTables t = [] {
        optics::SpectrumTables filled;
        optics::widmo(filled);
        return filled;
    }();
    return t;
}

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

/** The parameters the strip renderer would set, with the given slit width. */
inline optics::Parameters parameters(int suwak1, int suwak2, int suwak3, int a_nm)
{
    optics::Parameters p;
    optics::readScrollPositions(p, tables(), suwak1, suwak2, suwak3);
    p.a_nm = a_nm;
    return p;
}

struct Setting
{
    int suwak1, suwak2, suwak3, a_nm;
};

/** Every position of each scroll bar, the others stepping along, narrow slits now and then. */
inline std::vector<Setting> sweep(int count = 400)
{
    std::vector<Setting> settings;
    for (int i = 0; i < count; ++i)
        settings.push_back({1 + (i * 7) % 381, 20 + i % 21, 170 + i % 51,
                            i % 7 == 3 ? 1 : 100 * (10 + (i * 11) % 91)});
    return settings;
}

} // namespace renderer_fixtures
