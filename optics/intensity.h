// SPDX-License-Identifier: MIT
#pragma once

#include "spectrum.h"

#include <cstdint>

namespace optics {

/**
 * The current setting of the experiment. All zero until the first redraw pass sets them; the
 * phase functions must not be used before that.
 */
struct Parameters
{
    std::int32_t nr_fali = 0; ///< wavelength index into the spectrum tables [1..381]
    double lambda_nm = 0; ///< wavelength λ [nm]
    double d_mm = 0; ///< distance d between the slits [mm]
    double L_m = 0; ///< distance L from the slits to the screen [m]
    std::int32_t a_nm = 0; ///< width a of each slit [nm]; 1 for "very narrow slits"
};

/** The factor that stands for π in the phase functions (four decimals, as the model defines). */
inline constexpr long double kPi = 3.1415L;

/** Half the phase difference between the two slits at screen offset x [mm], in [rad]. */
double beta(const Parameters &p, double x);

/** Half the phase difference between the edges of one slit at screen offset x [mm], in [rad]. */
double alfa(const Parameters &p, double x);

/**
 * The two factors of the intensity at one screen offset, kept in extended precision:
 * cos²β and sinα/α. Both are exactly even in x, so one evaluation serves x and −x.
 */
struct IntensityTerms
{
    long double cos2beta = 1; ///< cos²β; 1 at the centre
    long double sinc = 1; ///< sin α / α; 1 (never evaluated) at the centre
    bool centre = true; ///< x was exactly 0: the diffraction factor does not apply
};

/** Evaluates cos²β and sinα/α at screen offset x [mm]. */
IntensityTerms intensityTerms(const Parameters &p, double x);

/** Relative intensity [0..1] as the screen strip stores it: (cos²β · s) · s, rounded to double. */
double stripIntensity(const IntensityTerms &t);

/** The graph's value 72·I with 72 brought in before the two diffraction factors [0..72]. */
long double graphValue(const IntensityTerms &t);

/** Relative intensity I = cos²β · (sin α / α)² at screen offset x [mm], 1 at the centre. */
double natezenie(const Parameters &p, double x);

} // namespace optics
