// SPDX-License-Identifier: MIT
#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace app {

namespace {

const QScreen *screenFor(const QWidget &window, const QPoint &point)
{
    if (const QScreen *screen = QGuiApplication::screenAt(point))
        return screen;
    return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
}

} // namespace

void placeOnScreen(QWidget &window, const QPoint &centre)
{
    const QScreen *screen = screenFor(window, centre);
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(centre);
    // Right and bottom edges first, so that a frame too large for the area ends up with its
    // top-left corner, where the title bar and the menu are, inside it.
    if (frame.right() > available.right())
        frame.moveRight(available.right());
    if (frame.bottom() > available.bottom())
        frame.moveBottom(available.bottom());
    if (frame.left() < available.left())
        frame.moveLeft(available.left());
    if (frame.top() < available.top())
        frame.moveTop(available.top());
    if (frame.topLeft() != window.pos())
        window.move(frame.topLeft()); // a window's position is that of its frame
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen)
        placeOnScreen(window, screen->availableGeometry().center());
}

void showCentred(QWidget &window)
{
    centreOnScreen(window);
    window.show();
    // Only a shown window knows the size of its frame.
    centreOnScreen(window);
}

} // namespace app
