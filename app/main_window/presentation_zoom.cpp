// SPDX-License-Identifier: MIT
#include "presentation_zoom.h"

#include "main_window.h"
#include "presentation_scale.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QWindow>

#include <algorithm>

namespace app {

PresentationZoom::PresentationZoom(TForm1 &form, int factor, QStringList arguments)
    : QObject(&form), m_form(form), m_factor(factor), m_arguments(std::move(arguments))
{
    struct Zoom
    {
        QList<QKeySequence> keys;
        int step; // 0: back to 1x
    };
    // Ctrl+= too: on many keyboards "+" needs Shift, and that is where users look for it.
    const Zoom zooms[] = {
        {{QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 1},
        {{QKeySequence::ZoomOut}, -1},
        {{QKeySequence(Qt::CTRL | Qt::Key_0)}, 0},
    };
    for (const Zoom &zoom : zooms) {
        auto *action = new QAction(&form);
        action->setShortcuts(zoom.keys);
        const int step = zoom.step;
        connect(action, &QAction::triggered, this,
                [this, step] { zoomTo(step == 0 ? 1 : m_factor + step); });
        form.addAction(action);
    }
}

bool PresentationZoom::zoomTo(int factor)
{
    factor = std::clamp(factor, 1, largestFittingScale(m_form, m_factor));
    if (factor == m_factor) {
        QApplication::beep();
        return false;
    }
    RestartState state;
    state.setting = m_form.setting();
    state.centre = m_form.frameGeometry().center() * m_form.devicePixelRatio();
    if (!restartAtScale(factor, m_arguments, state))
        return false;
    // The new process shows the same window at the new size; this one has handed over.
    QCoreApplication::exit(0);
    return true;
}

} // namespace app
