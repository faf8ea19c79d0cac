// SPDX-License-Identifier: MIT
#pragma once

namespace app {

/**
 * Gives Qt's own texts (file dialogs, message boxes' standard buttons, context menus of edit
 * boxes) in Polish, as the rest of the program speaks, whatever the desktop's language. The
 * catalogue is built into the program. Call once the application object exists; false (and Qt's
 * English) where the catalogue cannot be read.
 */
bool usePolishQtTexts();

} // namespace app
