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

} // namespace app
