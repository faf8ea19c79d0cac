// SPDX-License-Identifier: MIT
#pragma once

namespace windows {

/**
 * Rounds the scale factors the environment asks Qt for (QT_SCALE_FACTOR and each entry of
 * QT_SCREEN_SCALE_FACTORS) to the nearest whole factor, at least 1, and has Qt round the
 * display's own factor the same way, so that each client-image pixel is a sharp block of whole
 * device pixels. Call before the application object is created.
 */
void useWholeScaleFactors();

} // namespace windows
