// SPDX-License-Identifier: MIT
// The cost of the main window's redraw passes, against the model evaluations and the bare
// memory traffic they are made of.
#include "apparatus_diagram.h"
#include "graph_captions.h"
#include "intensity_graph.h"
#include "intensity_profile.h"
#include "readouts.h"
#include "screen_strip.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

const optics::SpectrumTables &tables()
{
    static const optics::SpectrumTables t = [] {
        optics::SpectrumTables filled;
        optics::widmo(filled);
        return filled;
    }();
    return t;
}

// The start setting, as the first redraw pass sets it.
optics::Parameters startParameters()
{
    return optics::parametersFor({}, tables());
}

struct ClientArea
{
    QImage image {632, 434, QImage::Format_RGB32};
    drawing::Surface window {image, QPoint(0, 0), image.size()};
    drawing::Surface paintBox {image, QPoint(8, 144), drawing::kDiagramSize};
    optics::Parameters params = startParameters();

    ClientArea() { image.fill(Qt::lightGray); }
};

// rys_ekran: the parameters, the profile (181 evaluations), four readouts and the strip.
void screenStripPass(benchmark::State &state)
{
    ClientArea client;
    int suwak1 = 0;
    for (auto _ : state) {
        const optics::Setting setting {{1 + suwak1, 20, 170, 10}};
        client.params = optics::parametersFor(setting, tables());
        const optics::IntensityProfile profile(client.params);
        drawing::drawReadouts(client.window, setting, QLatin1Char(','));
        drawing::drawPatternStrip(client.window, profile, tables());
        suwak1 = (suwak1 + 1) % 381;
    }
}
BENCHMARK(screenStripPass);

// What the strip would cost evaluating every column: 361 intensities.
void straightforwardIntensities(benchmark::State &state)
{
    const optics::Parameters p = startParameters();
    for (auto _ : state)
        for (int i = 0; i <= 360; ++i)
            benchmark::DoNotOptimize(optics::natezenie(p, i - 180));
}
BENCHMARK(straightforwardIntensities);

// What one pass evaluates instead: 181 offsets, the mirror images for free.
void intensityProfile(benchmark::State &state)
{
    const optics::Parameters p = startParameters();
    for (auto _ : state)
        benchmark::DoNotOptimize(optics::IntensityProfile(p));
}
BENCHMARK(intensityProfile);

// The floor under any strip pass: fill 361 × 40 pixels and copy them once.
void memoryFloor(benchmark::State &state)
{
    std::vector<std::uint32_t> strip(361 * 40), window(361 * 40);
    std::uint32_t colour = 0;
    for (auto _ : state) {
        std::fill(strip.begin(), strip.end(), ++colour);
        std::copy(strip.begin(), strip.end(), window.begin());
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(memoryFloor);

// rys_rysunek1 at the start state: 5 wave lines, 18 arcs, 4 arrows, 2 labels.
void diagramPass(benchmark::State &state)
{
    ClientArea client;
    for (auto _ : state)
        drawing::drawApparatusDiagram(client.paintBox, {}, tables());
}
BENCHMARK(diagramPass);

// The drawing alone, the model already evaluated: the strip and its copy.
void patternStripFromProfile(benchmark::State &state)
{
    ClientArea client;
    const optics::IntensityProfile profile(client.params);
    for (auto _ : state)
        drawing::drawPatternStrip(client.window, profile, tables());
}
BENCHMARK(patternStripFromProfile);

// The drawing alone: the graph panel with its 357 wide segments and its copy.
void graphFromProfile(benchmark::State &state)
{
    ClientArea client;
    const optics::IntensityProfile profile(client.params);
    for (auto _ : state)
        drawing::drawIntensityGraph(client.window, profile, tables());
}
BENCHMARK(graphFromProfile);

// The four readouts, their texts as at the start (found in the text cache).
void readouts(benchmark::State &state)
{
    ClientArea client;
    for (auto _ : state)
        drawing::drawReadouts(client.window, {1, 20, 170, 10}, QLatin1Char(','));
}
BENCHMARK(readouts);

// What only a full repaint adds: the captions and the spectrum bar.
void captionsAndBar(benchmark::State &state)
{
    ClientArea client;
    for (auto _ : state) {
        drawing::opis(client.window);
        drawing::skala(client.window, tables(), client.image.size());
    }
}
BENCHMARK(captionsAndBar);

} // namespace
