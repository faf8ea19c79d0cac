// SPDX-License-Identifier: MIT
#pragma once

#include "command_line.h"
#include "pattern_export.h"
#include "pattern_source.h"

#include <QByteArray>

namespace app {

/** The CSV of the strip's 361 columns at the source's last drawn setting, x from −180 to 180. */
QByteArray currentPatternCsv(const PatternSource &source);

/** The setting `current` with what `options` ask for changed in it. */
optics::Setting startSetting(const StartOptions &options, optics::Setting current);

/**
 * Writes what `source` shows as a PNG to `png` and its data as CSV to `csv` (null: not asked;
 * bytes as FileContent's path), drawn as a first showing draws, all or none. Returns the exit
 * code: 0; kUsageExitCode when both name one file; kWriteFailureExitCode when one could not be
 * written. Any failure is one line on stderr, and nothing is written.
 */
int writeExports(const PatternSource &source, const QByteArray &png, const QByteArray &csv);

} // namespace app
