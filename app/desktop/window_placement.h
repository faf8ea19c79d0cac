// SPDX-License-Identifier: MIT
#pragma once

class QPoint;
class QWidget;

namespace app {

/**
 * Moves a top-level window so that the centre of its frame, title bar included, is `centre`,
 * as far as the available area of the screen there allows: the frame is kept inside that area,
 * and a frame larger than the area is placed at its top-left corner, so that the title bar and
 * the menu are always within reach.
 */
void placeOnScreen(QWidget &window, const QPoint &centre);

/**
 * Places a top-level window, frame counted, in the middle of the available area of its screen
 * (the primary screen if it has none yet). Before the window is first shown its frame is not
 * known and the client rectangle is centred instead.
 */
void centreOnScreen(QWidget &window);

/** Shows a top-level window in the middle of its screen, centring it again once its frame is
    known. */
void showCentred(QWidget &window);

} // namespace app
