// SPDX-License-Identifier: MIT
#include "pattern_output.h"

#include "file_saving.h"
#include "language.h"
#include "screen_strip.h"
#include "system_error.h"

#include <array>
#include <cerrno>
#include <vector>

namespace app {

QByteArray currentPatternCsv(const PatternSource &source)
{
    // The same evaluation and colour rule the strip was painted with.
    const optics::IntensityProfile profile(source.parameters());
    constexpr int kEdge = optics::IntensityProfile::kMaxOffset;
    std::array<PatternColumn, 2 * kEdge + 1> columns;
    for (int x = -kEdge; x <= kEdge; ++x) {
        columns[x + kEdge] = {x, profile.stripIntensity(x),
                              drawing::stripColour(profile, source.spectrum(), x)};
    }
    return patternCsv(source.setting(), columns);
}

optics::Setting startSetting(const StartOptions &options, optics::Setting current)
{
    for (std::size_t i = 0; i < options.positions.size(); ++i) {
        if (options.positions[i])
            current.positions[i] = *options.positions[i];
    }
    current.narrowSlits = current.narrowSlits || options.narrowSlits;
    return current;
}

int writeExports(const PatternSource &source, const QByteArray &png, const QByteArray &csv)
{
    std::vector<FileContent> files;
    if (!png.isNull())
        files.push_back({png, pngBytes(source.picture())});
    if (!csv.isNull())
        files.push_back({csv, currentPatternCsv(source)});
    // An image Qt could not encode (memory ran out) would be an empty file.
    const std::optional<SaveFailure> failure = !files.empty() && files.front().bytes.isEmpty()
        ? SaveFailure {png, systemErrorReason(ENOMEM)}
        : saveWhole(files);
    if (!failure)
        return 0;
    if (failure->sameFile) {
        printError(translate("Files",
                             "falorys: --export-png i --export-csv wskazują ten sam plik "
                             "(„%1” i „%2”); nic nie zapisano")
                       .arg(shownPath(png), shownPath(csv)));
        return kUsageExitCode;
    }
    const char *option = failure->path == png ? "--export-png" : "--export-csv";
    printError(
        QStringLiteral("falorys: %1: %2").arg(QLatin1String(option), saveFailureText(*failure)));
    return kWriteFailureExitCode;
}

} // namespace app
