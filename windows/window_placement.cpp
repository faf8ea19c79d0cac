// SPDX-License-Identifier: MIT
#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace windows {

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    if (frame.topLeft() != window.pos())
        window.move(frame.topLeft()); // a window's position is that of its frame
}

void showCentred(QWidget &window)
{
    centreOnScreen(window);
    window.show();
    // Only a shown window knows the size of its frame.
    centreOnScreen(window);
}

} // namespace windows
