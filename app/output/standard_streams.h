// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace app {

enum class StandardStream { Output, Error };

/**
 * Called first in main: a standard stream that was closed at start (`>&-`) stays closed for
 * the program's writes, which fail with EBADF, and a reader that goes away makes a write fail
 * with EPIPE rather than end the program.
 */
void keepStandardStreamsOpen();

/**
 * Writes `bytes` to the standard output or error exactly as they are (an exported file, or
 * text already in the stream's encoding). Returns 0, or the error number (errno's) of why not
 * every byte got there.
 */
int writeStandardStream(StandardStream stream, const QByteArray &bytes);

/**
 * Tells the user `text` (help, the version, a mistake, a failure) on the standard output or
 * error. A Windows program of the graphical kind has neither when it is started from Explorer
 * or a shortcut: there the text goes to the console of the command prompt that started it, or
 * else into a message box. Returns 0 or the error number, as writeStandardStream.
 */
int tellUser(StandardStream stream, const QString &text);

} // namespace app
