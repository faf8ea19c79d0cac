// SPDX-License-Identifier: MIT
#include "first_paint_report.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace app {

bool FirstPaintReport::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || event->type() != QEvent::Paint
        || !static_cast<QPaintEvent *>(event)->rect().contains(widget->rect()))
        return false;
    // The paint itself runs first, so the time taken is that of the end of the paint.
    widget->removeEventFilter(this);
    QCoreApplication::sendEvent(widget, event);
    const auto now = std::chrono::steady_clock::now().time_since_epoch(); // CLOCK_MONOTONIC
    std::fprintf(stderr, "first complete paint at %lld ns\n",
                 static_cast<long long>(std::chrono::nanoseconds(now).count()));
    QCoreApplication::exit(0);
    return true;
}

} // namespace app
