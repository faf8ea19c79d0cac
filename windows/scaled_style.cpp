// SPDX-License-Identifier: MIT
#include "scaled_style.h"

namespace windows {

ScaledStyle::ScaledStyle(const QString &baseStyle) : QProxyStyle(baseStyle) { }

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                             const QWidget *widget) const
{
    // Every pixel metric is a length in pixels.
    return QProxyStyle::pixelMetric(metric, option, widget) * m_factor;
}

} // namespace windows
