// SPDX-License-Identifier: MIT
#include "pattern_tool_tip.h"

#include "intensity_graph.h"
#include "readouts.h"
#include "screen_strip.h"

#include <QHelpEvent>
#include <QRect>
#include <QToolTip>
#include <QWidget>

namespace app {

namespace {

// The strip's last row lies under the apparatus diagram.
const QRect kStrip(drawing::kStripOrigin, drawing::kStripSize - QSize(0, 1));
const QRect kGraph(drawing::kGraphOrigin, drawing::kGraphSize);

/** The strip or the graph, whichever holds `p`; null for neither. */
const QRect *pictureAt(QPoint p)
{
    return kStrip.contains(p) ? &kStrip : kGraph.contains(p) ? &kGraph : nullptr;
}

/** Signed text with a true minus sign, as printed text has it. */
QString withMinus(QString text)
{
    if (text.startsWith(u'-'))
        text[0] = QChar(0x2212);
    return text;
}

} // namespace

PatternToolTip::PatternToolTip(const optics::Parameters &parameters, QChar decimalSeparator,
                               QObject *parent)
    : QObject(parent), m_parameters(parameters), m_decimalSeparator(decimalSeparator)
{
}

QString PatternToolTip::textAt(QPoint p) const
{
    const QRect *area = pictureAt(p);
    if (!area)
        return {};
    // Column i of both pictures stands for x = i − 180 millimetres, as the scale printed under
    // the graph reads it.
    const int xMm = (p.x() - area->left()) - optics::IntensityProfile::kMaxOffset;
    const double intensity = optics::natezenie(m_parameters, double(xMm));
    const QChar separator = m_decimalSeparator;
    return PatternToolTip::tr("Położenie na ekranie: x = %1 cm\nNatężenie względne: I/I₀ = %2")
        .arg(withMinus(drawing::formatFixed(xMm / 10.0L, 1, separator)),
             drawing::formatFixed(intensity, 3, separator));
}

bool PatternToolTip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto *help = static_cast<QHelpEvent *>(event);
    auto *widget = static_cast<QWidget *>(watched);
    const QPoint p = help->pos();
    const QRect *area = pictureAt(p);
    if (!area) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // Valid for this column only: moving on to the next one asks again.
    const QRect column(p.x(), area->top(), 1, area->height());
    QToolTip::showText(help->globalPos(), textAt(p), widget, column);
    return true;
}

} // namespace app
