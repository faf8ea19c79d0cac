// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <cstdint>

class QPalette;

namespace drawing {

/** A colour as 0x00BBGGRR (red in the low byte), or 0xFF0000nn naming system colour nn. */
using Colour = std::uint32_t;

inline constexpr Colour clBlack = 0x000000;
inline constexpr Colour clWhite = 0xFFFFFF;
/** Face colour of buttons and dialogs: the palette's Window colour. */
inline constexpr Colour clBtnFace = 0xFF00000F;
/** Window-text colour: the palette's WindowText colour. */
inline constexpr Colour clWindowText = 0xFF000008;

constexpr Colour rgbColour(int red, int green, int blue)
{
    return Colour(red & 0xFF) | Colour(green & 0xFF) << 8 | Colour(blue & 0xFF) << 16;
}

/**
 * What the two system colours stand for where a picture is drawn. The owner of a surface takes
 * them from its palette (systemColoursOf) and gives them to the surface; until then they are
 * the classic light desktop's.
 */
struct SystemColours
{
    QRgb face = qRgb(0xF0, 0xF0, 0xF0);
    QRgb windowText = qRgb(0, 0, 0);
};

/** The face and window-text colours of a palette (its Window and WindowText roles). */
SystemColours systemColoursOf(const QPalette &palette);

/**
 * The opaque QRgb a colour stands for. System colours resolve through `system`: window text to
 * its window-text colour, every other one to its face colour.
 */
inline QRgb resolveColour(Colour colour, const SystemColours &system)
{
    if ((colour >> 24) == 0xFF)
        return (colour & 0xFF) == (clWindowText & 0xFF) ? system.windowText : system.face;
    return qRgb(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

} // namespace drawing
