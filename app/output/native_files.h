// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace app {

/**
 * One file being written whole: its bytes go to a new temporary file beside the target, which
 * takes the target's name only on commit(). The system calls behind it live in one file per
 * system (native_files_posix.cpp here).
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
     * Finds the folder of `path` (bytes as the file system takes them) and checks the target:
     * absent or a regular file, reached by no symbolic link that another user planted in a
     * world-writable sticky folder such as /tmp. Creates nothing.
     */
    QString check(const QByteArray &path);
    /** check(), then a new temporary file in the target's folder. */
    QString open(const QByteArray &path);
    /** Writes all of `bytes` to the temporary file, flushes them to the disk and closes it. */
    QString write(const QByteArray &bytes);
    /** Gives the temporary file the target's name, and an existing target's permissions. */
    QString commit();
    /** Whether both checked paths name one file (through "..", links or a second hard link). */
    bool sameTarget(const PendingFile &other) const;

    struct State;

private:
    std::unique_ptr<State> m_state;
};

/**
 * A reader that goes away (`falorys --export-csv - | head`) makes writing fail with EPIPE
 * instead of ending the run by a signal: the temporary files are removed and the reason told.
 */
void keepRunningOnClosedPipes();

/**
 * Gives Qt a runtime folder for this run when the environment names none (a root shell, a cron
 * job): the user's own /run/user/UID where the system made one, otherwise a private folder in
 * the temporary folder, removed when this object goes. Qt otherwise warns and makes a lasting
 * /tmp/runtime-USER just to look for flatpak-info in it. For runs that start no other process
 * (the exports): one started would inherit a folder about to go.
 */
class RuntimeFolderForRun
{
public:
    RuntimeFolderForRun();
    ~RuntimeFolderForRun(); ///< removes the folder made, unless gone already
    /** Removes the folder made once the application, which looks into it only as it starts,
        exists: a run ended by a signal (a closed pipe) leaves nothing behind either. */
    void removeMade();
    RuntimeFolderForRun(const RuntimeFolderForRun &) = delete;
    RuntimeFolderForRun &operator=(const RuntimeFolderForRun &) = delete;

private:
    QByteArray m_made; ///< the folder made for this run, if any
};

} // namespace app
