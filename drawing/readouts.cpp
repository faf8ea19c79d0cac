// SPDX-License-Identifier: MIT
#include "readouts.h"

#include <algorithm>
#include <cmath>

namespace drawing {

constexpr int kMaxDecimals = 18;

QString formatFixed(long double value, int decimals, QChar separator)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    const long double scaled = value * optics::powerOfTen(decimals);
    if (!(std::fabs(scaled) < 0x1p62L)) {
        // Far outside anything the program shows: the library's formatting is good enough.
        QString text = QString::number(double(value), 'f', decimals);
        return text.replace(QLatin1Char('.'), separator);
    }
    return QString::fromStdString(
        optics::decimalText(std::llround(scaled), decimals, QString(separator).toStdString()));
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

} // namespace drawing
