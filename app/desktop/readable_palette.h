// SPDX-License-Identifier: MIT
#pragma once

class QPalette;

namespace app {

/** Whether a palette is a dark scheme's: its window text lighter than its window background. */
bool isDarkPalette(const QPalette &palette);

/**
 * The program's pictures and dialogs pair the face and window-text colours with fixed black,
 * white and dark blue, which only reads well under a light scheme. Under a dark desktop scheme
 * the application therefore takes a light palette: the style's own standard palette where that
 * is light, else the usual light grey one. The style, and so the look of the controls, stays
 * the desktop's. Under a light scheme nothing changes. A desktop that turns dark while the
 * program runs gets the same answer.
 */
void useReadablePalette();

} // namespace app
