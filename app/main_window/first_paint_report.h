// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace app {

/**
 * The start-up measurement's end mark. Installed as the event filter of a widget, it lets the
 * first paint that covers the whole widget run, then prints "first complete paint at <N> ns"
 * to stderr, N the monotonic clock (CLOCK_MONOTONIC), and quits the program. main() installs it
 * on the client area when FALORYS_EXIT_AFTER_FIRST_PAINT=1; bench/startup times the program by
 * it.
 */
class FirstPaintReport : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace app
