// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace windows {

/**
 * Moves a top-level window so that its frame, title bar included, lies in the middle of the
 * available area of its screen (the primary screen if it has none yet). Before the window is
 * first shown its frame is not known and the client rectangle is centred instead.
 */
void centreOnScreen(QWidget &window);

/** Shows a top-level window in the middle of its screen, centring it again once its frame is
    known. */
void showCentred(QWidget &window);

} // namespace windows
