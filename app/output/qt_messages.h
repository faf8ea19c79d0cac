// SPDX-License-Identifier: MIT
#pragma once

namespace app {

/**
 * Qt's own lines on stderr are in English and for developers. From here on those about the
 * runtime folder (XDG_RUNTIME_DIR unset, of the wrong mode or owner: Qt copes) say nothing;
 * a thread that cannot start (Qt would wait for it forever), a fatal error and memory running
 * out end the run by endRun() with one line in Polish. The rest go on as before.
 */
void keepQtMessagesForTheUser();

} // namespace app
