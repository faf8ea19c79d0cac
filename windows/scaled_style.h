// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace windows {

/**
 * The desktop's own style with every size it gives (scroll-bar extents, indicators, frames,
 * margins, icons) multiplied by a whole factor, so that controls at presentation size look as
 * they do at 1x, only larger. At factor 1 it answers exactly as the style beneath it.
 */
class ScaledStyle : public QProxyStyle
{
    Q_OBJECT

public:
    /** Wraps a new instance of the style named `baseStyle` (as QStyleFactory names it). */
    explicit ScaledStyle(const QString &baseStyle);

    int factor() const { return m_factor; }
    void setFactor(int factor) { m_factor = factor; }

    /** Brings a window made after a change of size to that size before it is laid out. */
    void polish(QWidget *widget) override;
    using QProxyStyle::polish;

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    int m_factor = 1;
};

} // namespace windows
