// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollBar>

namespace app {

/**
 * A scroll bar that takes the keyboard focus and steps as the classic desktop control does:
 * the arrow keys by the small step (Left and Up towards Min), Page Up and Page Down by the large
 * step (Page Down towards Max), Home and End to Min and Max. While it has the focus it is framed
 * by a one-pixel line in the highlight colour, which not every style draws by itself. Its context
 * menu is Qt's, opened as a popup.
 */
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    /** The value whose slider starts at `position` along the bar. */
    int valueAt(int position) const;
};

} // namespace app
