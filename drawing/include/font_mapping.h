// SPDX-License-Identifier: MIT
#pragma once

#include "surface.h"

#include <QFont>
#include <QString>

namespace drawing {

/** True for the face "Symbol", whose Latin letters stand for Greek ones. */
bool isSymbolFace(const QString &faceName);

/**
 * The text that the Symbol face shows for `text`, in Unicode: a → α, b → β, l → λ, p → π,
 * q → θ and the rest of the standard Symbol encoding; blanks, digits and punctuation unchanged.
 */
QString symbolToUnicode(const QString &text);

/**
 * The Qt font for a font request: the face (Symbol becomes a face with Greek glyphs), the height
 * as a pixel size (0 for the face's default), bold, italic and underline. The classic faces are
 * asked for as the faces the program carries ("Arial" → Liberation Sans, ...) where it carries
 * them, else by their own names.
 */
QFont toQFont(const Font &font);

/** The text to draw for `text` in `font`: Greek letters for the Symbol face, else unchanged. */
QString displayText(const Font &font, const QString &text);

} // namespace drawing
