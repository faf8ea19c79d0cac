// SPDX-License-Identifier: MIT
#include "scaled_style.h"

#include "presentation_scale.h"

#include <QWidget>

namespace windows {

ScaledStyle::ScaledStyle(const QString &baseStyle) : QProxyStyle(baseStyle) { }

void ScaledStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // Menus, message boxes and file dialogs are made as they open, at 1x.
    if (m_factor > 1 && widget->isWindow())
        applyPresentationScale(*widget);
}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                             const QWidget *widget) const
{
    // Every pixel metric is a length in pixels.
    return QProxyStyle::pixelMetric(metric, option, widget) * m_factor;
}

} // namespace windows
