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

    /**
     * True when `params` is exactly the setting of this profile, so that the profile can stand
     * in for evaluating it again: a later step of the same redraw pass asks this first.
     */
    bool isFor(const Parameters &params) const;

    /** cos²β and sinα/α at screen offset x [mm]; offsets beyond ±180 are evaluated afresh. */
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
