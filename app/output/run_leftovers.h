// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <optional>

namespace app {

/**
 * A file or empty folder that endRun() removes while this object lives: a temporary file being
 * written, the runtime folder made for the run. `path` is bytes as the file system takes them
 * (UTF-8 on Windows), valid from the program's working folder.
 */
class Leftover
{
public:
    explicit Leftover(const QByteArray &path);
    ~Leftover();
    Leftover(const Leftover &) = delete;
    Leftover &operator=(const Leftover &) = delete;

private:
    int m_slot = -1;
};

/**
 * For a run that exports: a signal that ends a program (SIGTERM, SIGINT, SIGHUP) or a crash
 * ends this one by endRun(), and a file grown past `ulimit -f` fails to write instead of ending
 * the run. Once holdEndingSignals() has been called, such a signal waits for the run's end.
 * A file limit too low for Qt to start (`ulimit -n` below 8) ends the run at once, by endRun().
 * On Windows, Ctrl+C, Ctrl+Break and the closing of a console the program is attached to end
 * it so, from the system's thread, with the leftovers removed first.
 */
void endCleanlyOnSignals();
/** From here on the run is not ended by a signal (the files are being committed). */
void holdEndingSignals();

/** Ends the run at once with exit code 1: the leftovers removed, `line` (UTF-8, with its line
    end) on stderr. Safe in a signal handler. */
[[noreturn]] void endRun(const char *line);

/**
 * While it lives, what libraries print on stderr goes nowhere, while endRun() still writes its
 * line there. For the font set-up of an export: fontconfig tells in English of each file of its
 * configuration it had no memory to read, where the run then fails and says so itself, and the
 * carried faces need none of it. Does nothing where no library prints so (Windows, a browser).
 */
class QuietStandardError
{
public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

private:
    [[maybe_unused]] int m_saved = -1; ///< the real stderr, while quiet
};

/**
 * Gives Qt a usable runtime folder for this run where the environment names none (a root shell,
 * a cron job) or one Qt would refuse: the user's own /run/user/UID where the system made one;
 * otherwise, with `makeOwn`, a private folder in the temporary folder, removed when this object
 * goes or the run ends by endRun(). Qt otherwise makes a lasting /tmp/runtime-USER just to look
 * for flatpak-info in it. `makeOwn` only for runs that start no other process (the exports):
 * one started would inherit a folder about to go.
 */
class RuntimeFolderForRun
{
public:
    explicit RuntimeFolderForRun(bool makeOwn);
    ~RuntimeFolderForRun(); ///< removes the folder made, unless gone already
    /** Removes the folder made once the application, which looks into it only as it starts,
        exists. */
    void removeMade();
    RuntimeFolderForRun(const RuntimeFolderForRun &) = delete;
    RuntimeFolderForRun &operator=(const RuntimeFolderForRun &) = delete;

private:
    QByteArray m_made; ///< the folder made for this run, if any
    std::optional<Leftover> m_leftover;
};

} // namespace app
