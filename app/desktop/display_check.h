// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace app {

/**
 * Whether the window system Qt is about to use has a display to open: the X11 and Wayland
 * platforms need DISPLAY or WAYLAND_DISPLAY. Where neither is given it says on stderr, in one
 * line, what is missing and how to give it, and returns false.
 */
bool displayGiven(int argc, char **argv);

/**
 * While it lives (around the creation of the application object), a display that cannot be
 * opened, such as an X server that refuses the connection, ends the program with one line on
 * stderr and exit code 1 instead of Qt's abort. What Qt says meanwhile is held back and passed
 * on only if the display opens.
 */
class DisplayCheck
{
public:
    DisplayCheck(int argc, char **argv);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

private:
    [[maybe_unused]] QtMessageHandler m_previous; // unused where there is no display to check
};

} // namespace app
