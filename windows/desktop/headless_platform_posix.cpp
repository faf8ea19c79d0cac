// SPDX-License-Identifier: MIT
#include "headless_platform.h"

#include <QByteArray>

namespace windows {

void useHeadlessPlatform()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace windows
