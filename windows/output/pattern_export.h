// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <span>

namespace windows {

/** One setting of the experiment in whole units, as the readouts show it. */
struct PatternSetting
{
    int wavelengthNm = 380; ///< λ [nm]
    int separationUm = 20; ///< d [µm], the readout's thousandths of a millimetre
    int distanceCm = 150; ///< L [cm], the readout's hundredths of a metre
    int slitWidthNm = 1000; ///< a [nm] as its scroll bar stands, kept while the slits are narrow
    bool narrowSlits = false; ///< "a <<": the model takes a = 1 nm
};

/** The setting the four scroll-bar positions and the option group stand for. */
PatternSetting settingAt(int suwak1, int suwak2, int suwak3, int suwak_a, bool narrowSlits);

/** One column of the screen strip: its place on the screen, intensity and colour. */
struct PatternColumn
{
    int xMm; ///< offset from the centre of the screen [mm]
    double intensity; ///< I/I₀ as the strip uses it
    drawing::Colour colour; ///< as the strip paints it, 0x00BBGGRR
};

/**
 * A file name that says the setting, such as "falorys-650nm-d0.030mm-L1.80m-a5000nm.png"
 * ("…-L1.80m-a-bardzo-waskie.png" for narrow slits); `extension` without the dot.
 */
QString defaultFileName(const PatternSetting &setting, const QString &extension);

/**
 * The columns as CSV (RFC 4180, UTF-8, CRLF line ends, a dot as decimal separator), one row
 * per column in the order given after a header row that names the setting: x [mm], I/I₀ with
 * every digit a double needs to be read back exactly, and the colour's R, G and B.
 */
QByteArray patternCsv(const PatternSetting &setting, std::span<const PatternColumn> columns);

/** The image as the bytes of a PNG file. */
QByteArray pngBytes(const QImage &image);

} // namespace windows
