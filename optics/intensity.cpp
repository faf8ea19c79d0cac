// SPDX-License-Identifier: MIT
#include "intensity.h"

#include <cmath>

namespace optics {

double beta(const Parameters &p, double x)
{
    long double num = kPi * (long double)p.d_mm;
    num = num * (long double)x;
    num = num * 1000.0L;
    const long double den = (long double)p.L_m * (long double)p.lambda_nm;
    return double(num / den);
}

double alfa(const Parameters &p, double x)
{
    long double num = (long double)p.a_nm * kPi;
    num = num * (long double)x;
    long double den = 1000.0L * (long double)p.L_m;
    den = den * (long double)p.lambda_nm;
    return double(num / den);
}

IntensityTerms intensityTerms(const Parameters &p, double x)
{
    const long double c = std::cos((long double)beta(p, x));
    IntensityTerms t;
    t.cos2beta = c * c;
    t.centre = (x == 0.0);
    if (!t.centre) { // keeps 0/0 from ever being evaluated
        const long double a = alfa(p, x);
        t.sinc = std::sin(a) / a;
    }
    return t;
}

double stripIntensity(const IntensityTerms &t)
{
    if (t.centre)
        return double(t.cos2beta);
    return double((t.cos2beta * t.sinc) * t.sinc);
}

long double graphValue(const IntensityTerms &t)
{
    const long double v = t.cos2beta * 72.0L;
    if (t.centre)
        return v;
    return (v * t.sinc) * t.sinc;
}

double natezenie(const Parameters &p, double x)
{
    return stripIntensity(intensityTerms(p, x));
}

} // namespace optics
