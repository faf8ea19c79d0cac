// SPDX-License-Identifier: MIT
// Linux: fontconfig's own initialisation, which Qt's font database would otherwise run on the
// first text. It is safe on any thread, and Qt's later call finds it done.
#include "font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace drawing {

FontConfigurationLoad::FontConfigurationLoad()
{
    try {
        m_reading = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to be had (a process limit): Qt reads the configuration when it needs it.
    }
}

} // namespace drawing
