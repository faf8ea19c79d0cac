// SPDX-License-Identifier: MIT
#pragma once

#include "decimals.h"
#include "intensity.h"
#include "scroll_ranges.h"
#include "spectrum.h"

#include <array>
#include <string>
#include <string_view>

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
    std::string_view unit; ///< as the program writes it after a value: "nm", "mm", "m"

    constexpr long long unitsAt(int position) const
    {
        return (long long)position * unitsPerStep + offset;
    }
};

/** λ [nm] from suwak1, d [mm] from suwak2, L [m] from suwak3, a [nm] from suwak_a. */
inline constexpr std::array<BarQuantity, 4> kBarQuantities {{
    {kSuwak1Range, 1, kWavelengthOffsetNm, 0, "nm"},
    {kSuwak2Range, 1, 0, 3, "mm"},
    {kSuwak3Range, 1, -20, 2, "m"},
    {kSuwakARange, 100, 0, 0, "nm"},
}};

/** Where a typed value puts its scroll bar: a position, or why it puts it nowhere. */
struct Placement
{
    enum class Kind { Position, OutOfRange, OffStep };
    Kind kind;
    int position = 0; ///< for Kind::Position
};

/**
 * The position of `bar` that stands for `units` whole units of its quantity's last decimal;
 * `finer` says the typed value had nonzero digits beyond those decimals (it then lies between
 * two steps, or beyond the largest value).
 */
Placement placeOnBar(Bar bar, long long units, bool finer);

/** The values a scroll bar offers, in the program's words, with a decimal comma. */
struct BarValuesText
{
    std::string min; ///< "0,020"
    std::string max; ///< "0,040"
    std::string step; ///< "0,001"
    std::string_view unit; ///< "mm"

    /** "od 0,020 do 0,040 mm, co 0,001 mm" */
    std::string range() const;
    /** "0,001 mm" */
    std::string stepWithUnit() const;
};

BarValuesText valuesText(Bar bar);

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
        return int(q.unitsAt(position(bar)));
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
