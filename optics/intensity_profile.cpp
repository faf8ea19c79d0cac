// SPDX-License-Identifier: MIT
#include "intensity_profile.h"

#include <algorithm>

namespace optics {

IntensityProfile::IntensityProfile(const Parameters &params) : m_params(params)
{
    for (int x = 0; x <= kMaxOffset; ++x)
        m_terms[x] = intensityTerms(m_params, double(x));
}

IntensityTerms IntensityProfile::terms(int x) const
{
    const int offset = std::clamp(x, -kMaxOffset, kMaxOffset);
    return m_terms[offset < 0 ? -offset : offset];
}

} // namespace optics
