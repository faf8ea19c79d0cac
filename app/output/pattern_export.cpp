// SPDX-License-Identifier: MIT
#include "pattern_export.h"

#include "language.h"
#include "readouts.h"

#include <QBuffer>

#include <QLocale>

#include <cmath>

namespace app {

QString withDot(const optics::Setting &setting, optics::Bar bar)
{
    return drawing::formatFixed(setting.value(bar),
                                optics::kBarQuantities[std::size_t(bar)].decimals, u'.');
}

namespace {

/** A field as RFC 4180 wants it: quoted, quotes doubled, when it holds a comma, quote or break. */
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r')
        && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QByteArray shortestText(double value)
{
    // Qt's shortest digits in scientific form, "-d.ddde-05": every build's library has them,
    // where std::to_chars(double) is missing from the web build's.
    const bool negative = std::signbit(value); // Qt drops the sign of −0
    const QByteArray e = QByteArray::number(std::abs(value), 'e', QLocale::FloatingPointShortest);
    const qsizetype at = e.indexOf('e');
    if (at < 0)
        return e; // inf, nan
    QByteArray digits = e.left(at);
    digits.replace('.', "");
    const int exponent = e.mid(at + 1).toInt();
    const auto count = int(digits.size());
    QByteArray fixed;
    if (exponent >= count - 1) // whole: every digit, as printf's %.0f writes it
        fixed = QByteArray::number(std::abs(value), 'f', 0);
    else if (exponent >= 0)
        fixed = digits.left(exponent + 1) + '.' + digits.mid(exponent + 1);
    else
        fixed = "0." + QByteArray(-exponent - 1, '0') + digits;
    QByteArray scientific = digits.left(1) + (count > 1 ? '.' + digits.mid(1) : QByteArray())
        + (exponent < 0 ? "e-" : "e+")
        + QByteArray::number(std::abs(exponent)).rightJustified(2, '0');
    // As std::to_chars: the shorter of the two, fixed where they tie.
    return (negative ? "-" : "") + (fixed.size() <= scientific.size() ? fixed : scientific);
}

QString defaultFileName(const optics::Setting &s, const QString &extension)
{
    using optics::Bar;
    const QString width = s.narrowSlits ? QStringLiteral("a-bardzo-waskie")
                                        : QStringLiteral("a%1nm").arg(s.slitWidthNm());
    return QStringLiteral("falorys-%1nm-d%2mm-L%3m-%4.%5")
        .arg(QString::number(s.units(Bar::Wavelength)), withDot(s, Bar::Separation),
             withDot(s, Bar::Distance), width, extension);
}

QByteArray patternCsv(const optics::Setting &s, std::span<const PatternColumn> columns)
{
    using optics::Bar;
    const QString width = s.narrowSlits ? QStringLiteral("a << λ (a = 1 nm)")
                                        : QStringLiteral("a = %1 nm").arg(s.slitWidthNm());
    const QString intensityHeader =
        translate("PatternExport",
                  "I/I₀ przy λ = %1 nm, d = %2 mm, L = %3 m, %4; separator dziesiętny: "
                  "kropka")
            .arg(QString::number(s.units(Bar::Wavelength)), withDot(s, Bar::Separation),
                 withDot(s, Bar::Distance), width);
    const QStringList header {QStringLiteral("x [mm]"), intensityHeader, QStringLiteral("R"),
                              QStringLiteral("G"), QStringLiteral("B")};
    QStringList quoted;
    for (const QString &field : header)
        quoted << csvField(field);

    QByteArray csv = quoted.join(u',').toUtf8() + "\r\n";
    csv.reserve(csv.size() + qsizetype(columns.size()) * 40);
    for (const PatternColumn &c : columns) {
        csv += QByteArray::number(c.xMm) + ',' + shortestText(c.intensity) + ','
            + QByteArray::number(c.colour & 0xFF) + ',' + QByteArray::number(c.colour >> 8 & 0xFF)
            + ',' + QByteArray::number(c.colour >> 16 & 0xFF) + "\r\n";
    }
    return csv;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace app
