// SPDX-License-Identifier: MIT
#include "setting.h"

namespace optics {

long double Setting::value(Bar bar) const
{
    return (long double)units(bar) / powerOfTen(kBarQuantities[std::size_t(bar)].decimals);
}

Placement placeOnBar(Bar bar, long long units, bool finer)
{
    const BarQuantity &q = kBarQuantities[std::size_t(bar)];
    const long long min = q.unitsAt(q.range.min);
    const long long max = q.unitsAt(q.range.max);
    if (units < min || units > max || (finer && units == max))
        return {Placement::Kind::OutOfRange};
    if (finer || (units - q.offset) % q.unitsPerStep != 0)
        return {Placement::Kind::OffStep};
    return {Placement::Kind::Position, int((units - q.offset) / q.unitsPerStep)};
}

std::string BarValuesText::range() const
{
    return "od " + min + " do " + max + ' ' + std::string(unit) + ", co " + stepWithUnit();
}

std::string BarValuesText::stepWithUnit() const
{
    return step + ' ' + std::string(unit);
}

BarValuesText valuesText(Bar bar)
{
    const BarQuantity &q = kBarQuantities[std::size_t(bar)];
    return {decimalText(q.unitsAt(q.range.min), q.decimals, ","),
            decimalText(q.unitsAt(q.range.max), q.decimals, ","),
            decimalText(q.unitsPerStep, q.decimals, ","), q.unit};
}

Parameters parametersFor(const Setting &setting, const SpectrumTables &tables)
{
    Setting inRange = setting;
    for (std::size_t i = 0; i < inRange.positions.size(); ++i)
        inRange.positions[i] = kBarQuantities[i].range.clamp(inRange.positions[i]);
    Parameters p;
    // The quotients are taken in extended precision and rounded once, when stored.
    p.L_m = double(inRange.value(Bar::Distance));
    p.d_mm = double(inRange.value(Bar::Separation));
    p.nr_fali = inRange.position(Bar::Wavelength);
    p.lambda_nm = tables.tab_lambda[std::size_t(p.nr_fali)];
    p.a_nm = inRange.modelSlitWidthNm();
    return p;
}

} // namespace optics
