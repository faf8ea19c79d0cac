// SPDX-License-Identifier: MIT
#include "screen_strip.h"

#include "rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace drawing {

namespace {

// A colour component scaled by the intensity: the product in extended precision, rounded to
// the nearest integer with ties to even.
int scaledComponent(std::int32_t entry, double intensity)
{
    return roundHalfEven((long double)entry * (long double)intensity);
}

} // namespace

Colour stripColour(const optics::IntensityProfile &profile, const optics::SpectrumTables &tables,
                   int x)
{
    const int n = optics::kSuwak1Range.clamp(profile.parameters().nr_fali);
    const double intensity = profile.stripIntensity(x);
    return rgbColour(scaledComponent(tables.tab_r[n], intensity),
                     scaledComponent(tables.tab_g[n], intensity),
                     scaledComponent(tables.tab_b[n], intensity));
}

void drawPatternStrip(Surface &window, const optics::IntensityProfile &profile,
                      const optics::SpectrumTables &tables)
{
    // Column i shows x = i − 180; x and −x have the same intensity bit for bit, so each colour
    // is worked out once for the two columns that show it.
    constexpr int kCentre = optics::IntensityProfile::kMaxOffset;
    std::array<Colour, kCentre + 1> colours;
    for (int x = 0; x <= kCentre; ++x)
        colours[x] = stripColour(profile, tables, x);
    Bitmap strip(kStripSize.width(), kStripSize.height(), window);
    Surface &canvas = strip.canvas();
    for (int i = 0; i < kStripSize.width(); ++i) {
        canvas.pen().colour = colours[std::abs(i - kCentre)];
        canvas.MoveTo(i, 0);
        canvas.LineTo(i, kStripSize.height());
    }
    window.Draw(kStripOrigin.x(), kStripOrigin.y(), strip);
}

} // namespace drawing
