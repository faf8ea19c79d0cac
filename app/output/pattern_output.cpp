// SPDX-License-Identifier: MIT
#include "pattern_output.h"

#include "file_saving.h"
#include "screen_strip.h"

#include <array>
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

int writeExports(const PatternSource &source, const StartOptions &options)
{
    std::vector<FileContent> files;
    if (!options.pngPath.isNull())
        files.push_back({options.pngPath, pngBytes(source.picture())});
    if (!options.csvPath.isNull())
        files.push_back({options.csvPath, currentPatternCsv(source)});
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

} // namespace app
