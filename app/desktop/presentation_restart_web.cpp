// SPDX-License-Identifier: MIT
// The browser: its own zoom is the presentation size, and a page starts no processes.
#include "presentation_scale.h"

namespace app {

bool restartAtScale(int, const QStringList &, const RestartState &)
{
    return false;
}

} // namespace app
