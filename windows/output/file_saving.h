// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>

namespace windows {

/** Bytes to be written as one file. */
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
};

/**
 * Writes every file whole: each goes to a temporary file beside it, renamed over the name only
 * once all of them are written, so a failure leaves no file half-written and none of them
 * replaced (short of a rename failing after an earlier one succeeded).
 */
std::optional<SaveFailure> saveWhole(std::span<const FileContent> files);

} // namespace windows
