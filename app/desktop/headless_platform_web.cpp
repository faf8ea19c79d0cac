// SPDX-License-Identifier: MIT
#include "headless_platform.h"

namespace app {

// The browser's Qt has only its page's platform, and the page is always there.
void useHeadlessPlatform() { }

} // namespace app
