// SPDX-License-Identifier: MIT
#pragma once

#include "intensity.h"

#include <array>

namespace optics {

/**
 * The intensity terms of one setting at every whole screen offset from −180 to 180 mm, each
 * evaluated once. The terms are exactly even in x (β and α change sign exactly, cos is even and
 * sin odd), so −x is served by the evaluation at x, bit for bit.
 */
class IntensityProfile
{
public:
    /** Largest screen offset the renderers use [mm]. */
    static constexpr int kMaxOffset = 180;

    /** Evaluates the terms at x = 0, 1, ..., 180 mm for the setting `params`. */
    explicit IntensityProfile(const Parameters &params);

    /** The setting the profile was evaluated for. */
    const Parameters &parameters() const { return m_params; }

    /** cos²β and sinα/α at screen offset x [mm], −180 to 180 (beyond, the nearer end). */
    IntensityTerms terms(int x) const;

    /** Relative intensity at x [mm] as the screen strip stores it; equals natezenie(x). */
    double stripIntensity(int x) const { return optics::stripIntensity(terms(x)); }

    /** The graph's value 72·I at x [mm], the scale brought in before the diffraction factors. */
    long double graphValue(int x) const { return optics::graphValue(terms(x)); }

private:
    Parameters m_params;
    std::array<IntensityTerms, kMaxOffset + 1> m_terms;
};

} // namespace optics
