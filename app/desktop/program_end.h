// SPDX-License-Identifier: MIT
#pragma once

namespace app {

/**
 * Ends the program at the user's word with `exitCode`: the application's loop returns it. In a
 * browser, where there is no process to end, the page is told and the windows are closed.
 */
void endProgram(int exitCode);

} // namespace app
