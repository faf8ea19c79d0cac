// SPDX-License-Identifier: MIT
#pragma once

#include "intensity.h"

#include <QChar>
#include <QObject>
#include <QPoint>
#include <QString>

namespace app {

/**
 * Reads the pattern out to the user: installed on the main window's client area, it answers
 * the tooltip event over the strip or the graph with the position on the screen of that column
 * and the relative intensity there, for the parameters the window last drew with. Nothing is
 * drawn into the client image.
 */
class PatternToolTip : public QObject
{
    Q_OBJECT

public:
    /** Reads `parameters`, which outlive it, and writes decimals with `decimalSeparator`. */
    PatternToolTip(const optics::Parameters &parameters, QChar decimalSeparator,
                   QObject *parent = nullptr);

    /** The text for client point `p`, or an empty string outside the strip and the graph. */
    QString textAt(QPoint p) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const optics::Parameters &m_parameters;
    const QChar m_decimalSeparator;
};

} // namespace app
