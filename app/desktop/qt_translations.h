// SPDX-License-Identifier: MIT
#pragma once

namespace app {

/**
 * Once the application object exists: the program's catalogue for the language it speaks, and
 * Qt's own texts (file dialogs, message boxes' standard buttons, context menus of edit boxes) in
 * that language too, whatever the desktop's (English is Qt's own). Both are built into the
 * program. False (and Qt's English) where Qt's catalogue cannot be read.
 */
bool installLanguage();

} // namespace app
