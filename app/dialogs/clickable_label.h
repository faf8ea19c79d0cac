// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace app {

/** A label that emits `clicked` when the left button is pressed and released over it. */
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace app
