// SPDX-License-Identifier: MIT
#include "intensity_profile.h"

namespace optics {

IntensityProfile::IntensityProfile(const Parameters &params) : m_params(params)
{
    for (int x = 0; x <= kMaxOffset; ++x)
        m_terms[x] = intensityTerms(m_params, double(x));
}

IntensityTerms IntensityProfile::terms(int x) const
{
    if (x < -kMaxOffset || x > kMaxOffset)
        return intensityTerms(m_params, double(x));
    return m_terms[x < 0 ? -x : x];
}

} // namespace optics
