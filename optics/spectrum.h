// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace optics {

/** Number of selectable wavelengths: 380 to 760 nm in steps of 1 nm. */
inline constexpr int kSpectrumSize = 381;
/** Entry i of the tables (and position i of the wavelength's scroll bar) is i + this [nm]. */
inline constexpr int kWavelengthOffsetNm = 379;

/**
 * The visible-spectrum colour table: four parallel arrays indexed 1 to 381 (entry 0 is unused
 * and stays 0). Entry i is the wavelength i + 379 nm and its red, green and blue, 0 to 255.
 */
struct SpectrumTables
{
    using Column = std::array<std::int32_t, kSpectrumSize + 1>;
    Column tab_lambda {}; ///< wavelength [nm]
    Column tab_r {}; ///< red component [0..255]
    Column tab_g {}; ///< green component [0..255]
    Column tab_b {}; ///< blue component [0..255]

    /** Colour of entry i as 0x00BBGGRR, each component reduced to its low byte. */
    std::uint32_t colour(int i) const
    {
        return std::uint32_t(tab_r[i] & 0xFF) | std::uint32_t(tab_g[i] & 0xFF) << 8
            | std::uint32_t(tab_b[i] & 0xFF) << 16;
    }
};

/** Fills every entry 1..381 of the four tables from the eleven linear bands of the spectrum. */
void widmo(SpectrumTables &tables);

} // namespace optics
