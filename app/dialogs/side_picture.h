// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace app {

/** The JPEG bytes of the About and Description windows' side picture (54 x 285, colour),
    embedded in the executable at build time from resources/side_picture.jpg. */
std::span<const std::uint8_t> sidePictureJpeg();

} // namespace app
