// SPDX-License-Identifier: MIT
#include "pattern_output.h"

#include "desktop/console.h"
#include "file_saving.h"
#include "lambda.h"
#include "radio_group.h"
#include "screen_strip.h"

#include <QRadioButton>
#include <QScrollBar>

#include <array>
#include <vector>

namespace windows {

PatternSetting currentSetting(const TForm1 &form)
{
    return settingAt(form.suwak1->value(), form.suwak2->value(), form.suwak3->value(),
                     form.suwak_a->value(), form.opcje1->itemIndex() == 1);
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
    QScrollBar *const bars[] = {form.suwak1, form.suwak2, form.suwak3, form.suwak_a};
    for (std::size_t i = 0; i < options.positions.size(); ++i) {
        if (options.positions[i])
            bars[i]->setValue(*options.positions[i]);
    }
    if (options.narrowSlits)
        form.opcje1->button(1)->click();
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
    tellUser(TextStream::Error, line);
    return kUsageExitCode;
}

} // namespace windows
