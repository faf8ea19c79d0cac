// SPDX-License-Identifier: MIT
// Windows and the browser: no font configuration to read ahead.
#include "font_configuration.h"

namespace drawing {

FontConfigurationLoad::FontConfigurationLoad() = default;

} // namespace drawing
