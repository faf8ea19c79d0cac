// SPDX-License-Identifier: MIT
#include "whole_scale_factors.h"

#include "language.h"
#include "presentation_scale.h"

#include <QByteArrayList>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// No screen is wider than this many times a window of 632 pixels: such a factor is a mistake.
constexpr int kLargestScreenFactor = 8;

QByteArray checked(const QByteArray &text, int largest, const char *variable, QStringList &lines)
{
    if (const std::optional<int> factor = wholeScaleFactor(text, largest))
        return QByteArray::number(*factor);
    lines << translate("Scale",
                       "falorys: %1=„%2” nie jest użyteczną skalą (dozwolone od 1 do %3); "
                       "użyto 1")
                 .arg(QLatin1String(variable), QString::fromLocal8Bit(text.trimmed()))
                 .arg(largest);
    return QByteArrayLiteral("1");
}

} // namespace

std::optional<int> wholeScaleFactor(const QByteArray &text, int largest)
{
    bool ok = false;
    const double factor = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(factor) || !(factor > 0) || factor >= largest + 0.5)
        return std::nullopt;
    return std::max(1, int(std::lround(factor)));
}

QStringList useWholeScaleFactors()
{
    QStringList lines;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv(
            "QT_SCALE_FACTOR",
            checked(qgetenv("QT_SCALE_FACTOR"), kMaxPresentationScale, "QT_SCALE_FACTOR", lines));
    if (qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS")) {
        // A list of factors, each bare or as SCREEN=FACTOR.
        QByteArrayList entries = qgetenv("QT_SCREEN_SCALE_FACTORS").split(';');
        for (QByteArray &entry : entries) {
            if (entry.trimmed().isEmpty())
                continue;
            const qsizetype equals = entry.lastIndexOf('=');
            entry = entry.left(equals + 1)
                + checked(entry.mid(equals + 1), kLargestScreenFactor, "QT_SCREEN_SCALE_FACTORS",
                          lines);
        }
        qputenv("QT_SCREEN_SCALE_FACTORS", entries.join(';'));
    }
    // Qt lets the environment overrule the program's rounding policy; not this one.
    qunsetenv("QT_SCALE_FACTOR_ROUNDING_POLICY");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    return lines;
}

} // namespace app
