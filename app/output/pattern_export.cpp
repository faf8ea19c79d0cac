// SPDX-License-Identifier: MIT
#include "pattern_export.h"

#include "readouts.h"

#include <QBuffer>

#include <charconv>

namespace app {

namespace {

/** The quantity of `bar` as the readouts show it, with a decimal dot. */
QString withDot(const optics::Setting &setting, optics::Bar bar)
{
    return drawing::formatFixed(setting.value(bar),
                                optics::kBarQuantities[std::size_t(bar)].decimals, u'.');
}

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

/** The shortest text that reads back as exactly `value`, with a dot, whatever the locale. */
QByteArray exactDouble(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QByteArray(buffer, end - buffer);
}

} // namespace

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
        QStringLiteral("I/I₀ przy λ = %1 nm, d = %2 mm, L = %3 m, %4; separator dziesiętny: "
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
        csv += QByteArray::number(c.xMm) + ',' + exactDouble(c.intensity) + ','
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
