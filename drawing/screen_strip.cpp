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

constexpr int kMaxDecimals = 18;

// A colour component scaled by the intensity: the product in extended precision, rounded to
// the nearest integer with ties to even.
int scaledComponent(std::int32_t entry, double intensity)
{
    return roundHalfEven((long double)entry * (long double)intensity);
}

} // namespace

QString formatFixed(long double value, int decimals, QChar separator)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    long double power = 1; // 10^decimals, exact up to 10^27
    for (int i = 0; i < decimals; ++i)
        power *= 10;
    const long double scaled = value * power;
    if (!(std::fabs(scaled) < 0x1p62L)) {
        // Far outside anything the program shows: the library's formatting is good enough.
        QString text = QString::number(double(value), 'f', decimals);
        return text.replace(QLatin1Char('.'), separator);
    }
    const long long units = std::llround(scaled);
    QString digits = QString::number(units < 0 ? -units : units);
    if (digits.size() <= decimals)
        digits.prepend(QString(decimals + 1 - digits.size(), QLatin1Char('0')));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, separator);
    if (units < 0)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

void drawReadouts(Surface &window, const optics::Setting &setting, QChar decimalSeparator)
{
    window.font().name = QStringLiteral("Arial");
    window.font().height = -12;
    window.brush().colour = clBtnFace;

    using optics::Bar;
    // With "a <<" the slit width readout still shows the scroll bar.
    window.TextOut(536, 202,
                   QString::number(setting.units(Bar::Wavelength)) + QStringLiteral(" [nm]"));
    window.TextOut(548, 246,
                   formatFixed(setting.value(Bar::Separation), 3, decimalSeparator)
                       + QStringLiteral(" [mm]"));
    window.TextOut(560, 291,
                   formatFixed(setting.value(Bar::Distance), 2, decimalSeparator)
                       + QStringLiteral(" [m]"));
    window.TextOut(554, 336, QString::number(setting.slitWidthNm()) + QStringLiteral(" [nm]  "));
}

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
