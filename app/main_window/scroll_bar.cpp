// SPDX-License-Identifier: MIT
#include "scroll_bar.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <iterator>

namespace app {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    // QScrollBar inverts its key controls for the vertical case, which turns Left and Right
    // round on a horizontal bar; the keys are mapped here the same for both orientations.
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void ScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // A keyboard user must see which bar the keys move.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ScrollBar::contextMenuEvent(QContextMenuEvent *event)
{
    if (!style()->styleHint(QStyle::SH_ScrollBar_ContextMenu, nullptr, this)) {
        QWidget::contextMenuEvent(event);
        return;
    }
    // Qt's own menu waits in a loop of its own, which a browser does not have: the same
    // entries in Qt's words, as a popup that acts when an entry is chosen.
    const auto text = [](const char *source) {
        return QCoreApplication::translate("QScrollBar", source);
    };
    const bool horizontal = orientation() == Qt::Horizontal;
    const int here = valueAt(horizontal ? event->pos().x() : event->pos().y());
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(text("Scroll here"), this, [this, here] { setValue(here); });
    const struct
    {
        const char *horizontal;
        const char *vertical;
        SliderAction action;
    } entries[] = {
        {"Left edge", "Top", SliderToMinimum},
        {"Right edge", "Bottom", SliderToMaximum},
        {"Page left", "Page up", SliderPageStepSub},
        {"Page right", "Page down", SliderPageStepAdd},
        {"Scroll left", "Scroll up", SliderSingleStepSub},
        {"Scroll right", "Scroll down", SliderSingleStepAdd},
    };
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        if (i % 2 == 0)
            menu->addSeparator();
        const SliderAction action = entries[i].action;
        menu->addAction(text(horizontal ? entries[i].horizontal : entries[i].vertical), this,
                        [this, action] { triggerAction(action); });
    }
    menu->popup(event->globalPos());
}

int ScrollBar::valueAt(int position) const
{
    // As Qt's own "Scroll here": the slider's start goes to the position.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
    const QRect slider =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    const bool horizontal = orientation() == Qt::Horizontal;
    const int first = horizontal ? groove.x() : groove.y();
    const int last =
        horizontal ? groove.right() - slider.width() + 1 : groove.bottom() - slider.height() + 1;
    return QStyle::sliderValueFromPosition(minimum(), maximum(), position - first, last - first,
                                           option.upsideDown);
}

} // namespace app
