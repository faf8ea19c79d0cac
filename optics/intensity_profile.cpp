// SPDX-License-Identifier: MIT
#include "intensity_profile.h"

namespace optics {

IntensityProfile::IntensityProfile(const Parameters &params) : m_params(params)
{
    for (int x = 0; x <= kMaxOffset; ++x)
        m_terms[x] = intensityTerms(m_params, double(x));
}

bool IntensityProfile::isFor(const Parameters &params) const
{
    return params.nr_fali == m_params.nr_fali && params.lambda_nm == m_params.lambda_nm
        && params.d_mm == m_params.d_mm && params.L_m == m_params.L_m
        && params.a_nm == m_params.a_nm;
}

IntensityTerms IntensityProfile::terms(int x) const
{
    if (x < -kMaxOffset || x > kMaxOffset)
        return intensityTerms(m_params, double(x));
    return m_terms[x < 0 ? -x : x];
}

} // namespace optics
