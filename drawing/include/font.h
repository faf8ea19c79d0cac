// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"

#include <QString>

namespace drawing {

/** Character sets the program asks for. */
enum Charset : int { DefaultCharset = 1, SymbolCharset = 2, EastEuropeCharset = 238 };

/**
 * A font request: face, height (negative = character height in pixels) and character set.
 * The face "Symbol" stands for Greek letters written as Latin ones (a = α, b = β, ...).
 */
struct Font
{
    QString name = QStringLiteral("MS Sans Serif");
    int height = -11;
    int charset = DefaultCharset;
    Colour colour = clWindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

} // namespace drawing
