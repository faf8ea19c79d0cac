// SPDX-License-Identifier: MIT
#pragma once

#include "intensity.h"
#include "scroll_ranges.h"
#include "spectrum.h"

#include <array>

namespace optics {

/** The main window's scroll bars, in the order of Setting::positions. */
enum class Bar { Wavelength, Separation, Distance, SlitWidth };

/**
 * How a scroll bar's position stands for its quantity: position · unitsPerStep + offset whole
 * units of the quantity's last decimal, of which it has `decimals`.
 */
struct BarQuantity
{
    ScrollRange range;
    int unitsPerStep;
    int offset;
    int decimals;
};

/** λ [nm] from suwak1, d [mm] from suwak2, L [m] from suwak3, a [nm] from suwak_a. */
inline constexpr std::array<BarQuantity, 4> kBarQuantities {{
    {kSuwak1Range, 1, 379, 0},
    {kSuwak2Range, 1, 0, 3},
    {kSuwak3Range, 1, -20, 2},
    {kSuwakARange, 100, 0, 0},
}};

/**
 * One setting of the experiment: the positions of the four scroll bars and the option "a <<",
 * with the quantities they stand for. The only place that converts between the two.
 */
struct Setting
{
    /** suwak1, suwak2, suwak3 and suwak_a. */
    std::array<int, 4> positions {kSuwak1Range.min, kSuwak2Range.min, kSuwak3Range.min,
                                  kSuwakARange.min};
    bool narrowSlits = false; ///< "a <<": the model takes a = 1 nm

    int position(Bar bar) const { return positions[std::size_t(bar)]; }

    /** The bar's quantity in units of its last decimal: λ [nm], d [µm], L [cm], a [nm]. */
    int units(Bar bar) const
    {
        const BarQuantity &q = kBarQuantities[std::size_t(bar)];
        return position(bar) * q.unitsPerStep + q.offset;
    }

    /** The bar's quantity in extended precision: λ [nm], d [mm], L [m], a [nm]. */
    long double value(Bar bar) const;

    /** a [nm] as its scroll bar stands, also while the slits are narrow. */
    int slitWidthNm() const { return units(Bar::SlitWidth); }

    /** a [nm] as the model takes it: 1 for narrow slits. */
    int modelSlitWidthNm() const { return narrowSlits ? 1 : slitWidthNm(); }

    bool operator==(const Setting &) const = default;
};

/**
 * The model's parameters for `setting`: λ from the spectrum tables, d and L rounded once to
 * double, a as the model takes it. A position outside its scroll bar's range is taken at the
 * nearer end.
 */
Parameters parametersFor(const Setting &setting, const SpectrumTables &tables);

} // namespace optics
