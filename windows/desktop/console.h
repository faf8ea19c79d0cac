// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace windows {

/** Where a text for the user belongs: the normal output or the error output. */
enum class TextStream { Output, Error };

/**
 * Gives the user a text from the command line (help, the version, a mistake) before or without
 * any window: on stdout or stderr. A Windows program of the graphical kind has neither when it
 * is started from Explorer or a shortcut; there it writes to the console of the command prompt
 * that started it, or else shows the text in a message box.
 */
void tellUser(TextStream stream, const QString &text);

} // namespace windows
