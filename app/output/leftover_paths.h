// SPDX-License-Identifier: MIT
#pragma once

namespace app {

/** The paths of the live Leftovers (UTF-8 on Windows), empty where free: kept where the code
    that ends a run from a signal or another thread may read them without the heap. */
extern char leftoverPaths[4][4096];

} // namespace app
