// SPDX-License-Identifier: MIT
#pragma once

#include "command_line.h"
#include "pattern_export.h"

#include <QByteArray>

class TForm1;

namespace windows {

/** The setting the window's scroll bars and option group stand at. */
PatternSetting currentSetting(const TForm1 &form);

/** The CSV of the strip's 361 columns at the window's last drawn setting, x from −180 to 180. */
QByteArray currentPatternCsv(const TForm1 &form);

/** Moves the scroll bars and then selects the option as `options` ask, as a user would. */
void applyStartOptions(TForm1 &form, const StartOptions &options);

/**
 * Draws the whole client image as a first showing does and writes the files `options` name,
 * all or none. Returns the exit code: 0, or kUsageExitCode after one line on stderr saying why.
 */
int writeExports(TForm1 &form, const StartOptions &options);

} // namespace windows
