// SPDX-License-Identifier: MIT
#pragma once

#include "command_line.h"
#include "setting.h"

#include <QPoint>
#include <QSize>
#include <QStringList>

#include <optional>

class QWidget;

namespace app {

/** Where the state of a restart travels between processes; no user sets it. */
inline constexpr char kRestartVariable[] = "FALORYS_RESTART_STATE";

/**
 * Presentation size is Qt's own scale factor (QT_SCALE_FACTOR): every window, menu, dialog,
 * tooltip and style metric N times larger. Qt reads it once, when the application object is
 * made, so a new size means a new process: the program starts itself again at the new size with
 * the setting it stood at (restartAtScale), and the new process picks that up (takeRestartState).
 */

/**
 * The largest factor from 1 to kMaxPresentationScale at which a window of `windowSize` logical
 * pixels, with a frame of `frame` device pixels around it, fits an `available` area of device
 * pixels, on a screen of `screenRatio` device pixels per logical pixel at factor 1.
 */
int largestFittingScale(QSize windowSize, QSize frame, QSize available, qreal screenRatio);

/** The same for a window already shown at presentation size `factor`, frame and screen known. */
int largestFittingScale(const QWidget &window, int factor);

/**
 * The same before any window exists, Qt running at presentation size `factor`: a window of
 * `clientSize` below a menu bar, in a frame as large as a desktop's usually is.
 */
int largestFittingScaleBeforeShowing(QSize clientSize, int factor);

/** What a restart at another size carries over: the controls' state and the window's place. */
struct RestartState
{
    optics::Setting setting;
    QPoint centre; ///< the frame's centre, in device pixels of the screen
};

/**
 * Starts the program again at presentation size `factor` with `arguments` (Qt's options the
 * program was started with) and `state`. Returns false where the new process could not be
 * started (always in a browser, whose own zoom is the presentation size there); the caller then
 * carries on as it is.
 */
bool restartAtScale(int factor, const QStringList &arguments, const RestartState &state);

/**
 * The state a restart handed over, taken out of the environment (so that nothing the program
 * starts inherits it); nothing for a start by the user or a state that makes no sense.
 */
std::optional<RestartState> takeRestartState();

} // namespace app
