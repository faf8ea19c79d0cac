// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace app {

/**
 * One file being written: its bytes go to a new temporary file beside the target, which takes
 * the target's name with its owner, group and permissions only on commit(); where the new file
 * could not keep those or the target has other names (hard links), into the target itself at
 * commit(), space for them reserved first. Paths are bytes as the file system takes them (UTF-8
 * on Windows). The system calls behind it live in one file per system.
 *
 * Every step returns an empty string on success, otherwise the reason in Polish.
 */
class PendingFile
{
public:
    PendingFile();
    ~PendingFile(); ///< removes the temporary file unless it was committed
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    /**
     * Finds the folder of `path` and checks the target: absent or a regular file, reached by no
     * symbolic link that another user planted in a world-writable sticky folder such as /tmp.
     * Creates nothing.
     */
    QString check(const QByteArray &path);
    /** check(), then makes the temporary file, or opens the target to be written in place. */
    QString open(const QByteArray &path);
    /** Whether the checked path names the standard output: its bytes go there, as for "-". */
    bool isStandardOutput() const;
    /** Writes all of `bytes` (in place: reserves their space), flushed to the disk. */
    QString write(const QByteArray &bytes);
    /** Puts the bytes under the target's name, for good. */
    QString commit();
    /** Whether both checked paths name one file (through "..", links or a second hard link). */
    bool sameTarget(const PendingFile &other) const;

    struct State;

private:
    std::unique_ptr<State> m_state;
};

/**
 * For a run that exports: a signal that ends a program (SIGTERM, SIGINT, SIGHUP) or a crash
 * ends this one by endRun(); once the files are being committed, such a signal waits for the
 * end of the run. A file grown past `ulimit -f` fails to write instead of ending the run.
 */
void endCleanlyOnSignals();

/** Ends the run at once with exit code 1: temporary files and folders removed, `line` (UTF-8,
    with its line end) on stderr. Safe in a signal handler. */
[[noreturn]] void endRun(const char *line);

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
};

} // namespace app
