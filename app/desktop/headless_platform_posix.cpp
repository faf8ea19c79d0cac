// SPDX-License-Identifier: MIT
#include "headless_platform.h"

#include <QByteArray>

namespace app {

void useHeadlessPlatform()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace app
