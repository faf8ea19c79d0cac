// SPDX-License-Identifier: MIT
#include "colour.h"

#include <QPalette>

namespace drawing {

SystemColours systemColoursOf(const QPalette &palette)
{
    return {palette.color(QPalette::Window).rgb(), palette.color(QPalette::WindowText).rgb()};
}

} // namespace drawing
