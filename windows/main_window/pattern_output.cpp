// SPDX-License-Identifier: MIT
#include "pattern_output.h"

#include "client_area.h"
#include "file_saving.h"
#include "main_window.h"
#include "radio_group.h"
#include "screen_strip.h"

#include <QApplication>
#include <QHoverEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>

#include <array>
#include <vector>

namespace windows {

PatternSetting currentSetting(const TForm1 &form)
{
    const optics::Setting setting = form.setting();
    return settingAt(setting.positions[0], setting.positions[1], setting.positions[2],
                     setting.positions[3], setting.narrowSlits);
}

QByteArray currentPatternCsv(const TForm1 &form)
{
    // The same evaluation and colour rule the strip was painted with.
    const optics::IntensityProfile profile(form.parameters());
    constexpr int kEdge = optics::IntensityProfile::kMaxOffset;
    std::array<PatternColumn, 2 * kEdge + 1> columns;
    for (int x = -kEdge; x <= kEdge; ++x) {
        columns[x + kEdge] = {x, profile.stripIntensity(x),
                              drawing::stripColour(profile, form.spectrum(), x)};
    }
    return patternCsv(currentSetting(form), columns);
}

QImage clientPicture(const TForm1 &form)
{
    ClientArea *area = form.clientArea();
    // Device pixel ratio 1 whatever the screen's: the picture is the area at 1x.
    QImage picture(kClientSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    // The keyboard focus and the pointer's hover belong to the moment, not to the setting: the
    // picture shows neither, so that the window's copy is the export's, byte for byte. A hover
    // let go of here comes back with the pointer's next move.
    QWidget *const focused = QApplication::focusWidget();
    const bool focusInArea = focused && area->isAncestorOf(focused);
    if (focusInArea)
        focused->clearFocus();
    QList<QWidget *> underMouse;
    for (QWidget *w : area->findChildren<QWidget *>()) {
        QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(-1, -1), QPointF(-1, -1));
        QCoreApplication::sendEvent(w, &leave);
        if (w->testAttribute(Qt::WA_UnderMouse))
            underMouse << w;
        w->setAttribute(Qt::WA_UnderMouse, false);
    }
    area->render(&painter);
    for (QWidget *w : underMouse)
        w->setAttribute(Qt::WA_UnderMouse, true);
    if (focusInArea)
        focused->setFocus(Qt::OtherFocusReason);
    return picture;
}

void applyStartOptions(TForm1 &form, const StartOptions &options)
{
    optics::Setting setting = form.setting();
    for (std::size_t i = 0; i < options.positions.size(); ++i) {
        if (options.positions[i])
            setting.positions[i] = *options.positions[i];
    }
    setting.narrowSlits = setting.narrowSlits || options.narrowSlits;
    form.setSetting(setting);
}

int writeExports(TForm1 &form, const StartOptions &options)
{
    // The data too are those of the drawn setting.
    form.repaintClientArea();
    std::vector<FileContent> files;
    if (!options.pngPath.isNull())
        files.push_back({options.pngPath, pngBytes(clientPicture(form))});
    if (!options.csvPath.isNull())
        files.push_back({options.csvPath, currentPatternCsv(form)});
    const auto failure = saveWhole(files);
    if (!failure)
        return 0;
    if (!failure->sameFileAs.isNull()) {
        printError(QStringLiteral("falorys: --export-png i --export-csv wskazują ten sam plik "
                                  "(„%1” i „%2”); nic nie zapisano")
                       .arg(options.pngPath, options.csvPath));
        return kUsageExitCode;
    }
    const char *option = failure->path == options.pngPath ? "--export-png" : "--export-csv";
    printError(
        QStringLiteral("falorys: %1: %2").arg(QLatin1String(option), saveFailureText(*failure)));
    return kWriteFailureExitCode;
}

} // namespace windows
