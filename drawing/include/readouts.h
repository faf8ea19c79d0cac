// SPDX-License-Identifier: MIT
#pragma once

#include "setting.h"
#include "surface.h"

#include <QChar>
#include <QString>

namespace drawing {

/**
 * A number in fixed point with `decimals` digits (at most 18) after `separator`, no grouping:
 * value · 10^decimals in extended precision, rounded to the nearest integer with halves away
 * from zero.
 */
QString formatFixed(long double value, int decimals, QChar separator);

/**
 * The four readouts right of their labels, in Arial 12 px on the face colour, from the setting
 * (with "a <<" the slit width readout still shows its scroll bar). Leaves that font face and
 * height and the face brush on `window`.
 */
void drawReadouts(Surface &window, const optics::Setting &setting, QChar decimalSeparator);

} // namespace drawing
