// SPDX-License-Identifier: MIT
#pragma once

#include "command_line.h"
#include "pattern_export.h"

#include <QByteArray>
#include <QImage>

class TForm1;

namespace windows {

/** The setting the window's scroll bars and option group stand at. */
PatternSetting currentSetting(const TForm1 &form);

/** The CSV of the strip's 361 columns at the window's last drawn setting, x from −180 to 180. */
QByteArray currentPatternCsv(const TForm1 &form);

/**
 * What the client area shows at 1x, 632 x 434: the client image with the readout labels, the
 * option group and the scroll bars. The one picture the exports, the copy and the saves give.
 */
QImage clientPicture(const TForm1 &form);

/** Moves the scroll bars and then selects the option as `options` ask, as a user would. */
void applyStartOptions(TForm1 &form, const StartOptions &options);

/**
 * Draws the client area as a first showing does and writes the files `options` name, all or
 * none. Returns the exit code: 0; kUsageExitCode when both name one file; kWriteFailureExitCode
 * when one could not be written. Any failure is one line on stderr, and nothing is written.
 */
int writeExports(TForm1 &form, const StartOptions &options);

} // namespace windows
