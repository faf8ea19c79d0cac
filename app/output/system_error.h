// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

namespace app {

/** The reason for the system's error number `error` (errno's), in Polish. */
QString systemErrorReason(int error);

/**
 * A file name as a message shows it, on one line: control characters, and every byte of a name
 * that is not UTF-8, as \n, \t or \xHH. `path` is bytes as the file system takes them (UTF-8 on
 * Windows).
 */
QString shownPath(QByteArrayView path);

/** `text` with its control characters written out as in shownPath. */
QString withControlsEscaped(const QString &text);

} // namespace app
