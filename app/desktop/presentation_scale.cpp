// SPDX-License-Identifier: MIT
#include "presentation_scale.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// A desktop's frame before the window has one: borders and a title bar, in device pixels.
constexpr QSize kUsualFrame {16, 48};

const QScreen *screenOf(const QWidget &window)
{
    return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
}

} // namespace

int largestFittingScale(QSize windowSize, QSize frame, QSize available, qreal screenRatio)
{
    int factor = kMaxPresentationScale;
    auto fits = [&](int f) {
        const qreal ratio = f * screenRatio;
        return std::ceil(windowSize.width() * ratio) + frame.width() <= available.width()
            && std::ceil(windowSize.height() * ratio) + frame.height() <= available.height();
    };
    while (factor > 1 && !fits(factor))
        --factor;
    return factor;
}

int largestFittingScale(const QWidget &window, int factor)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return 1;
    const qreal ratio = screen->devicePixelRatio();
    const QSize frame = (window.frameGeometry().size() - window.size()) * ratio;
    return largestFittingScale(window.size(), frame, screen->availableGeometry().size() * ratio,
                               ratio / factor);
}

int largestFittingScaleBeforeShowing(QSize clientSize, int factor)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1;
    QMenuBar bar; // never shown: only its height is wanted
    bar.addAction(QStringLiteral("Koniec"));
    const QSize window(clientSize.width(), clientSize.height() + bar.sizeHint().height());
    const qreal ratio = screen->devicePixelRatio();
    return largestFittingScale(window, kUsualFrame, screen->availableGeometry().size() * ratio,
                               ratio / factor);
}

std::optional<RestartState> takeRestartState()
{
    if (!qEnvironmentVariableIsSet(kRestartVariable))
        return std::nullopt;
    const QStringList values =
        QString::fromLatin1(qgetenv(kRestartVariable)).split(u' ', Qt::SkipEmptyParts);
    qunsetenv(kRestartVariable);
    if (values.size() != 7)
        return std::nullopt;
    std::array<int, 7> numbers {};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        bool ok = false;
        numbers[i] = values.at(qsizetype(i)).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    RestartState state;
    for (std::size_t i = 0; i < state.setting.positions.size(); ++i) {
        if (optics::kBarQuantities[i].range.clamp(numbers[i]) != numbers[i])
            return std::nullopt;
        state.setting.positions[i] = numbers[i];
    }
    if (numbers[4] != 0 && numbers[4] != 1)
        return std::nullopt;
    state.setting.narrowSlits = numbers[4] == 1;
    state.centre = QPoint(numbers[5], numbers[6]);
    return state;
}

} // namespace app
