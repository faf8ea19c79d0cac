// SPDX-License-Identifier: MIT
#pragma once

namespace app {

/**
 * Makes the application about to be created draw without a display, for the exports: the
 * offscreen platform on Linux. Windows always has a desktop and its fonts, so there the native
 * platform stays and no window is shown.
 */
void useHeadlessPlatform();

} // namespace app
