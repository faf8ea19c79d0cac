// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>

class TForm1;

namespace app {

/**
 * Ctrl+Plus (and Ctrl+=), Ctrl+Minus and Ctrl+0 on the main window, from anywhere in it: the
 * presentation size one step larger, one smaller, back to 1x. Larger stops at the largest size
 * that fits the screen. A new size starts the program again at it, with the window's setting and
 * place, and this process ends.
 */
class PresentationZoom : public QObject
{
    Q_OBJECT

public:
    /** `form` runs at presentation size `factor`; a restart passes on `toolkitOptions`, Qt's
        options the program was started with. */
    PresentationZoom(TForm1 &form, int factor, QStringList toolkitOptions);

    /** Goes to presentation size `factor` as far as the screen allows; false if it stays. */
    bool zoomTo(int factor);

private:
    TForm1 &m_form;
    const int m_factor;
    const QStringList m_arguments;
};

} // namespace app
