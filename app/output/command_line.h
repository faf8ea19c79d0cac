// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace app {

/** What the command line asks of this run, each setting as the scroll-bar position it means. */
struct StartOptions
{
    /** Positions to move suwak1, suwak2, suwak3 and suwak_a to; empty keeps the start position. */
    std::array<std::optional<int>, 4> positions;
    bool narrowSlits = false; ///< select "a <<"
    /** Presentation size asked for: 1 to 4, kScaleToFit for "fit" (the largest that fits the
        screen), or 0 where none was asked (the environment's QT_SCALE_FACTOR, else 1). */
    int scale = 0;
    QString pngPath; ///< write the client area's picture here ("-": stdout) and end, no window
    QString csvPath; ///< write the screen columns here ("-": stdout) and end, without a window

    bool exports() const { return !pngPath.isNull() || !csvPath.isNull(); }
};

/** The largest presentation size the program offers. */
inline constexpr int kMaxPresentationScale = 4;
/** StartOptions::scale for "--scale fit". */
inline constexpr int kScaleToFit = -1;

/** The outcome of reading the command line. */
struct CommandLine
{
    enum class Action {
        Run, ///< start (or export) with `options`
        ShowHelp, ///< print `text` (the help) to stdout, exit 0
        ShowVersion, ///< print `text` (the version line) to stdout, exit 0
        Fail, ///< print `text` (one line naming the option and what it allows) to stderr, exit 2
    };
    Action action = Action::Run;
    StartOptions options;
    QString text;
};

/** Exit code of a run whose command line was wrong; nothing is written then. */
inline constexpr int kUsageExitCode = 2;
/** Exit code of a run whose output, a file or the standard output, could not be written. */
inline constexpr int kWriteFailureExitCode = 1;

/** Reads `arguments` (the program's name first, as in argv). Needs no application object. */
CommandLine parseCommandLine(const QStringList &arguments);

/** Qt's own options in `arguments` (-style NAME, -reverse, ...), with their values, in order. */
QStringList toolkitOptions(const QStringList &arguments);

} // namespace app
