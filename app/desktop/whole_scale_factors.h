// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace app {

/**
 * The whole factor a scale-factor text from the environment stands for: "1.25" → 1, "1.5" → 2,
 * "0.4" → 1; nothing for what is no usable factor (not a number, 0, negative, not finite, or
 * larger than `largest` once rounded).
 */
std::optional<int> wholeScaleFactor(const QByteArray &text, int largest);

/**
 * Makes the scale factors the environment asks Qt for (QT_SCALE_FACTOR and each entry of
 * QT_SCREEN_SCALE_FACTORS) whole, and has Qt round the display's own factor the same way, so
 * that each client-image pixel is a sharp block of whole device pixels. A factor that is no
 * usable factor becomes 1. Returns one line for stderr for each factor replaced. Call before
 * the application object is created.
 */
QStringList useWholeScaleFactors();

} // namespace app
