// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>

namespace app {

/**
 * Bytes to be written as one file. The path is bytes as the file system takes them: on POSIX
 * those the command line gave, on Windows UTF-8; "-" stands for the standard output.
 */
struct FileContent
{
    QByteArray path;
    QByteArray bytes;
};

/** A file that could not be written, and why, in Polish. */
struct SaveFailure
{
    QByteArray path;
    QString reason;
    bool sameFile = false; ///< it names the same file as an earlier one of the save
};

/**
 * Writes every file whole where it can be replaced: each goes to a temporary file beside it,
 * renamed over the name only once all of them are written (and the standard output has taken
 * its bytes), so a failure leaves no file half-written and none of them replaced (short of a
 * rename failing after an earlier one succeeded). A file that cannot be replaced without losing
 * its owner or its other names is written in place at that last step (see PendingFile). Refuses
 * a target that is not a regular file, a symbolic link another user planted in a
 * world-writable sticky folder, and two contents for one file (the standard output included).
 */
std::optional<SaveFailure> saveWhole(std::span<const FileContent> files);

/** Why `path` could not be saved to, found before anything is written; empty when it can. */
QString targetProblem(const QByteArray &path);

/** "nie można zapisać pliku „…”: reason", or the same of the standard output. */
QString saveFailureText(const SaveFailure &failure);

/**
 * Prints `text` (help, the version) on the standard output. Returns the exit code: 0, or
 * kWriteFailureExitCode after one line on stderr saying why not every byte got there.
 */
int printOutput(const QString &text);
/** Prints one line on stderr, a control character in it written out (\n, \x1b). */
void printError(const QString &line);

} // namespace app
