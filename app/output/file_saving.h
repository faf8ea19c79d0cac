// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <span>

namespace app {

/** Bytes to be written as one file; the path "-" stands for the standard output. */
struct FileContent
{
    QString path;
    QByteArray bytes;
};

/** A file that could not be written, and why, in Polish. */
struct SaveFailure
{
    QString path;
    QString reason;
    QString sameFileAs; ///< an earlier path of the same save that names the same file
};

/**
 * Writes every file whole: each goes to a temporary file beside it, renamed over the name only
 * once all of them are written (and the standard output has taken its bytes), so a failure
 * leaves no file half-written and none of them replaced (short of a rename failing after an
 * earlier one succeeded). Refuses a target that is not a regular file, a symbolic link another
 * user planted in a world-writable sticky folder, and two contents for one file.
 */
std::optional<SaveFailure> saveWhole(std::span<const FileContent> files);

/** Why `path` could not be saved to, found before anything is written; empty when it can. */
QString targetProblem(const QString &path);

/** "nie można zapisać pliku „…”: reason", or the same of the standard output. */
QString saveFailureText(const SaveFailure &failure);

/** The reason for the system's error number `error`, in Polish. */
QString systemErrorReason(int error);

/**
 * File names and arguments as the system's bytes: UTF-8, where each byte that is not part of
 * valid UTF-8 is kept as the lone surrogate U+DC80 + byte, so that any name comes back byte
 * for byte.
 */
QString fromNativeBytes(QByteArrayView bytes);
QByteArray nativeBytes(const QString &text);

/**
 * Prints `text` (help, the version) on the standard output. Returns the exit code: 0, or
 * kWriteFailureExitCode after one line on stderr saying why not every byte got there.
 */
int printOutput(const QString &text);
/** Prints one line on stderr, in the bytes its names came in. */
void printError(const QString &line);

} // namespace app
