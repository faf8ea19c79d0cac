// SPDX-License-Identifier: MIT
#pragma once

namespace app {

/**
 * In a browser: gives Qt the scale factor the page chose (falorysQtScaleFactor), at which Qt's
 * device pixels are the screen's own and each of the program's pixels a whole number of them,
 * whatever the browser's zoom or the phone's pixel ratio. Elsewhere, or where the page gives no
 * usable factor, nothing changes. Call just before the application object is created.
 */
void usePageScaleFactor();

} // namespace app
