// SPDX-License-Identifier: MIT
#include "colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace drawing {

namespace {

// System colour indices of the classic desktop scheme, mapped onto the palette roles that
// play the same part in Qt, so that the program follows the user's colour scheme.
QPalette::ColorRole roleOf(unsigned index)
{
    switch (index) {
    case 0x05:
        return QPalette::Base; // window background
    case 0x08:
        return QPalette::WindowText; // window text
    case 0x0D:
        return QPalette::Highlight; // selection
    case 0x0E:
        return QPalette::HighlightedText; // selected text
    case 0x12:
        return QPalette::ButtonText; // button text
    default:
        return QPalette::Window; // button face and anything else
    }
}

} // namespace

QRgb resolveColour(Colour colour)
{
    if ((colour >> 24) == 0xFF)
        return QGuiApplication::palette().color(roleOf(colour & 0xFF)).rgb() | 0xFF000000u;
    return qRgb(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

} // namespace drawing
