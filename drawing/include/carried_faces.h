// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace drawing {

/**
 * The family the program carries for the classic face `face` ("Arial" → Liberation Sans,
 * "Times New Roman" → Liberation Serif, "MS Sans Serif" and "Verdana" → DejaVu Sans, the Symbol
 * face → Liberation Serif; each under a name of its own, "Falorys Sans", "Falorys Serif" and
 * "Falorys DejaVu Sans", that no installed face shares), made known to Qt on first use. Empty
 * where the system's own faces serve (Windows), for a face the program does not carry, and where
 * the carried face could not be loaded: the face is then looked up among the system's fonts.
 */
QString carriedFamily(const QString &face, bool bold);

/**
 * Makes the carried regular faces known to Qt and gives the application the carried face of the
 * default face, at the desktop's size, so that menus and Qt's own windows show the same face on
 * every machine; nothing where the system's own faces serve. Called before any text is measured.
 */
void useCarriedApplicationFont();

} // namespace drawing
