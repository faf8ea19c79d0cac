// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <cstdint>

namespace drawing {

/** A colour as 0x00BBGGRR (red in the low byte), or 0xFF0000nn naming system colour nn. */
using Colour = std::uint32_t;

inline constexpr Colour clBlack = 0x000000;
inline constexpr Colour clWhite = 0xFFFFFF;
/** Face colour of buttons and dialogs, resolved from the palette's Window role when drawing. */
inline constexpr Colour clBtnFace = 0xFF00000F;
/** Window-text colour, resolved from the palette's WindowText role when drawing. */
inline constexpr Colour clWindowText = 0xFF000008;

constexpr Colour rgbColour(int red, int green, int blue)
{
    return Colour(red & 0xFF) | Colour(green & 0xFF) << 8 | Colour(blue & 0xFF) << 16;
}

/** The opaque QRgb a colour stands for now; system colours follow the application palette. */
QRgb resolveColour(Colour colour);

} // namespace drawing
