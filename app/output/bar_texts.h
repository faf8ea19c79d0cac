// SPDX-License-Identifier: MIT
#pragma once

#include "setting.h"

#include <QString>

namespace app {

/** "od 0,020 do 0,040 mm, co 0,001 mm", in the spoken language with its decimal separator. */
QString rangeText(optics::Bar bar);
/** "0,001 mm", likewise. */
QString stepText(optics::Bar bar);

} // namespace app
