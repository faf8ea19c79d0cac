// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"
#include "setting.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <span>

namespace app {

/** One column of the screen strip: its place on the screen, intensity and colour. */
struct PatternColumn
{
    int xMm; ///< offset from the centre of the screen [mm]
    double intensity; ///< I/I₀ as the strip uses it
    drawing::Colour colour; ///< as the strip paints it, 0x00BBGGRR
};

/** The quantity of `bar` as the readouts show it, with a decimal dot: "0.030", "1.80". */
QString withDot(const optics::Setting &setting, optics::Bar bar);

/**
 * A file name that says the setting, such as "falorys-650nm-d0.030mm-L1.80m-a5000nm.png"
 * ("…-L1.80m-a-bardzo-waskie.png" for narrow slits); `extension` without the dot.
 */
QString defaultFileName(const optics::Setting &setting, const QString &extension);

/**
 * The columns as CSV (RFC 4180, UTF-8, CRLF line ends, a dot as decimal separator), one row
 * per column in the order given after a header row that names the setting: x [mm], I/I₀ with
 * every digit a double needs to be read back exactly, and the colour's R, G and B.
 */
QByteArray patternCsv(const optics::Setting &setting, std::span<const PatternColumn> columns);

/**
 * The shortest text that reads back as exactly `value`, with a dot whatever the locale: fixed or
 * scientific notation, whichever is shorter (fixed in a tie), as std::to_chars writes it.
 */
QByteArray shortestText(double value);

/** The image as the bytes of a PNG file. */
QByteArray pngBytes(const QImage &image);

} // namespace app
