// SPDX-License-Identifier: MIT
#include "headless_platform.h"

#include <QByteArray>

namespace app {

void useHeadlessPlatform()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nor a GLib main loop, which ends the run by a trap where it cannot open its files.
    qputenv("QT_NO_GLIB", "1");
}

} // namespace app
