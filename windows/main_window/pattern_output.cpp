// SPDX-License-Identifier: MIT
#include "pattern_output.h"

#include "file_saving.h"
#include "main_window.h"
#include "radio_group.h"
#include "screen_strip.h"

#include <QRadioButton>
#include <QScrollBar>

#include <array>
#include <cstdio>
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
    form.repaintClientArea();
    std::vector<FileContent> files;
    if (!options.pngPath.isNull())
        files.push_back({options.pngPath, pngBytes(form.clientImage())});
    if (!options.csvPath.isNull())
        files.push_back({options.csvPath, currentPatternCsv(form)});
    const auto failure = saveWhole(files);
    if (!failure)
        return 0;
    const char *option = failure->path == options.pngPath ? "--export-png" : "--export-csv";
    const QString line = QStringLiteral("falorys: %1: nie można zapisać pliku „%2”: %3\n")
                             .arg(QLatin1String(option), failure->path, failure->reason);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return kUsageExitCode;
}

} // namespace windows
