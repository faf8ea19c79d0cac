// SPDX-License-Identifier: MIT
#include "headless_platform.h"

namespace app {

// A static Qt links only the Windows platform, and the offscreen one would find no fonts.
void useHeadlessPlatform() { }

} // namespace app
