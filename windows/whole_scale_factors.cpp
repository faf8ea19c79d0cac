// SPDX-License-Identifier: MIT
#include "whole_scale_factors.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace windows {

namespace {

/** "1.25" → "1", "1.5" → "2"; what is not a positive number stays for Qt to ignore. */
QByteArray roundedFactor(const QByteArray &text)
{
    bool ok = false;
    const double factor = text.trimmed().toDouble(&ok);
    if (!ok || !(factor > 0) || !std::isfinite(factor))
        return text;
    return QByteArray::number(std::max(1L, std::lround(std::min(factor, 1e6))));
}

} // namespace

void useWholeScaleFactors()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", roundedFactor(qgetenv("QT_SCALE_FACTOR")));
    if (qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS")) {
        // A list of factors, each bare or as SCREEN=FACTOR.
        QByteArrayList entries = qgetenv("QT_SCREEN_SCALE_FACTORS").split(';');
        for (QByteArray &entry : entries) {
            const qsizetype equals = entry.lastIndexOf('=');
            entry = entry.left(equals + 1) + roundedFactor(entry.mid(equals + 1));
        }
        qputenv("QT_SCREEN_SCALE_FACTORS", entries.join(';'));
    }
    // Qt lets the environment overrule the program's rounding policy; not this one.
    qunsetenv("QT_SCALE_FACTOR_ROUNDING_POLICY");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

} // namespace windows
