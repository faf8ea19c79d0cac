// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace windows {

/** The largest presentation size the program offers. */
inline constexpr int kMaxPresentationScale = 4;

/**
 * Presentation size: the whole program, windows, controls, text and pictures, drawn N times
 * larger (N = 1 to 4), the same for every window. Qt cannot change its own scale factor once
 * windows exist, so the program scales itself: every widget's 1x geometry and font are
 * remembered and set N times larger, the style's sizes are multiplied by N, and pictures are
 * shown with each pixel an N x N block. What is drawn (the client image) stays at 1x.
 */
int presentationScale();

/** Brings every open window, and every window opened later, to presentation size `factor`
    (clamped to 1 to kMaxPresentationScale). Windows keep their places. */
void setPresentationScale(int factor);

/** Brings one window, built at 1x, to the current presentation size. A no-op when it is there
    already; windows made after a change of size call it before they are shown. */
void applyPresentationScale(QWidget &window);

/** The largest presentation size at which `window`, frame included, fits the available area
    of its screen (at least 1). */
int largestFittingScale(const QWidget &window);

/** Sets the presentation size from the user's request (clamped to what fits on the window's
    screen), and keeps the window's centre where it was, its title bar and menu on the screen. */
void zoomWindow(QWidget &window, int factor);

} // namespace windows
