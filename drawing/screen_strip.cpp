// SPDX-License-Identifier: MIT
#include "screen_strip.h"

#include "raster_round.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace drawing {

namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr int kMaxDecimals = 18;

// The scroll bars cannot leave these ranges; anything else is brought back into them so that
// the tables are never read out of bounds.
ScrollPositions clamped(const ScrollPositions &p)
{
    ScrollPositions c;
    c.suwak1 = std::clamp(p.suwak1, 1, optics::kSpectrumSize);
    c.suwak2 = std::clamp(p.suwak2, 20, 40);
    c.suwak3 = std::clamp(p.suwak3, 170, 220);
    c.suwak_a = std::clamp(p.suwak_a, 10, 100);
    return c;
}

QString wideToDecimal(Wide value)
{
    QString digits;
    do {
        digits.prepend(QChar(u'0' + char16_t(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

// A colour component scaled by the intensity: the product in extended precision, rounded to
// the nearest integer with ties to even.
int scaledComponent(std::int32_t entry, double intensity)
{
    return raster::nearestEven((long double)entry * (long double)intensity);
}

} // namespace

QString formatFixed(long double value, int decimals, QChar separator)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    const long double magnitude = std::fabs(value);
    if (!std::isfinite(value) || magnitude >= 0x1p63L) {
        // Far outside anything the program shows: the library's formatting is good enough.
        QString text = QString::number(double(value), 'f', decimals);
        return text.replace(QLatin1Char('.'), separator);
    }

    // magnitude = m · 2^e exactly, m a 64-bit integer. Then magnitude · 10^d = m · 5^d · 2^(e+d),
    // which 128-bit integers hold, so the rounding below sees the exact binary value.
    int exponent = 0;
    const long double fraction = std::frexp(magnitude, &exponent);
    const auto m = std::uint64_t(std::ldexp(fraction, 64));
    Wide scaled = m;
    for (int i = 0; i < decimals; ++i)
        scaled *= 5;
    const int shift = -(exponent - 64 + decimals);
    if (shift <= 0) {
        scaled <<= -shift;
    } else if (shift >= 128) {
        scaled = 0; // less than 2^-1 units of the last decimal: rounds to 0
    } else {
        const Wide remainder = scaled & ((Wide(1) << shift) - 1);
        scaled >>= shift;
        if (remainder >= Wide(1) << (shift - 1)) // exact halves go away from zero
            ++scaled;
    }

    QString digits = wideToDecimal(scaled);
    if (digits.size() <= decimals)
        digits.prepend(QString(decimals + 1 - digits.size(), QLatin1Char('0')));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, separator);
    if (std::signbit(value) && scaled != 0)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

void drawReadouts(Surface &window, const ScrollPositions &positions, QChar decimalSeparator)
{
    window.font().name = QStringLiteral("Arial");
    window.font().height = -12;
    window.brush().colour = clBtnFace;

    // Computed from the positions, not the parameters: with "a <<" the slit width readout
    // still shows the scroll bar.
    const long double separation = (long double)positions.suwak2 / 1000.0L;
    const long double distance = (long double)(positions.suwak3 - 20) / 100.0L;
    window.TextOut(536, 202, QString::number(positions.suwak1 + 379) + QStringLiteral(" [nm]"));
    window.TextOut(548, 246,
                   formatFixed(separation, 3, decimalSeparator) + QStringLiteral(" [mm]"));
    window.TextOut(560, 291, formatFixed(distance, 2, decimalSeparator) + QStringLiteral(" [m]"));
    window.TextOut(554, 336, QString::number(positions.suwak_a * 100) + QStringLiteral(" [nm]  "));
}

Colour stripColour(const optics::IntensityProfile &profile, const optics::SpectrumTables &tables,
                   int x)
{
    const int n = std::clamp(profile.parameters().nr_fali, 1, optics::kSpectrumSize);
    const double intensity = profile.stripIntensity(x);
    return rgbColour(scaledComponent(tables.tab_r[n], intensity),
                     scaledComponent(tables.tab_g[n], intensity),
                     scaledComponent(tables.tab_b[n], intensity));
}

void drawPatternStrip(Surface &window, const optics::IntensityProfile &profile,
                      const optics::SpectrumTables &tables)
{
    // Column i shows x = 180 − i; x and −x have the same intensity bit for bit, so each colour
    // is worked out once for the two columns that show it.
    constexpr int kCentre = optics::IntensityProfile::kMaxOffset;
    std::array<Colour, kCentre + 1> colours;
    for (int x = 0; x <= kCentre; ++x)
        colours[x] = stripColour(profile, tables, x);
    Bitmap strip(kStripSize.width(), kStripSize.height());
    Surface &canvas = strip.canvas();
    for (int i = 0; i < kStripSize.width(); ++i) {
        canvas.pen().colour = colours[std::abs(kCentre - i)];
        canvas.MoveTo(i, 0);
        canvas.LineTo(i, kStripSize.height());
    }
    window.Draw(kStripOrigin.x(), kStripOrigin.y(), strip);
}

optics::IntensityProfile drawScreenStrip(Surface &window, const ScrollPositions &positions,
                                         const optics::SpectrumTables &tables,
                                         optics::Parameters &params, QChar decimalSeparator)
{
    const ScrollPositions p = clamped(positions);
    optics::readScrollPositions(params, tables, p.suwak1, p.suwak2, p.suwak3);
    drawReadouts(window, p, decimalSeparator);
    optics::IntensityProfile profile(params);
    drawPatternStrip(window, profile, tables);
    return profile;
}

} // namespace drawing
