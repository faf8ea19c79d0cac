// SPDX-License-Identifier: MIT
#include "setting.h"

namespace optics {

long double Setting::value(Bar bar) const
{
    long double scale = 1;
    for (int i = 0; i < kBarQuantities[std::size_t(bar)].decimals; ++i)
        scale *= 10;
    return (long double)units(bar) / scale;
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
