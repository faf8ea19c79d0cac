// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class TForm1;

namespace windows {

/**
 * Reads the pattern out to the user: installed on the main window's client area, it answers
 * the tooltip event over the strip or the graph with the position on the screen of that column
 * and the relative intensity there. Nothing is drawn into the client image.
 */
class PatternToolTip : public QObject
{
    Q_OBJECT

public:
    explicit PatternToolTip(const TForm1 &form, QObject *parent = nullptr);

    /** The text for client point `p`, or an empty string outside the strip and the graph. */
    QString textAt(QPoint p) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const TForm1 &m_form;
};

} // namespace windows
