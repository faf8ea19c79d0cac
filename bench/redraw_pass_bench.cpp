// SPDX-License-Identifier: MIT
// The main window's redraw passes as its handlers run them, against what they are made of: the
// model evaluations a plain implementation would make and the bare pixel traffic of the three
// bitmaps. The ratios to "naive evaluations" are what bench/README.md holds us to.
#include "intensity.h"
#include "main_window.h"
#include "redraw_passes.h"
#include "setting.h"
#include "spectrum.h"

#include <benchmark/benchmark.h>

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using bench::dragPosition;
using bench::moveQuietly;
using bench::wavelengthBar;

// A drag across the whole range and back: 381 readouts, more than the text cache keeps, so the
// wavelength readout is shaped and rendered anew in every pass.
int sweepPosition(std::int64_t step)
{
    constexpr int kSpan = 380;
    const int k = int(step % (2 * kSpan));
    return 1 + (k <= kSpan ? k : 2 * kSpan - k);
}

// rys_ekran, rys_wykres1 and rys_rysunek1 into the client image, by the wavelength bar's own
// handler (the bar moved without its signal, so that the handler runs once, here).
template<int (*position)(std::int64_t)>
void changePass(benchmark::State &state)
{
    TForm1 form;
    form.repaintClientArea(); // as on first showing: fonts and text cells ready
    QScrollBar *const suwak1 = wavelengthBar(form);
    std::int64_t step = 0;
    for (auto _ : state) {
        moveQuietly(suwak1, position(++step));
        form.suwak1Change(suwak1);
    }
    benchmark::DoNotOptimize(form.clientImage().constBits());
}

// FormPaint: the strip, the captions, the graph, the diagram and the spectrum bar.
void fullRepaint(benchmark::State &state)
{
    TForm1 form;
    form.repaintClientArea();
    QScrollBar *const suwak1 = wavelengthBar(form);
    std::int64_t step = 0;
    for (auto _ : state) {
        moveQuietly(suwak1, dragPosition(++step));
        form.FormPaint(&form);
    }
    benchmark::DoNotOptimize(form.clientImage().constBits());
}

// What a plain implementation evaluates for the same passes: the intensity rule at the strip's
// 361 columns and at both ends of each of the graph's 357 segments, 1075 evaluations.
void naiveEvaluations(benchmark::State &state)
{
    optics::SpectrumTables tables;
    optics::widmo(tables);
    std::int64_t step = 0;
    for (auto _ : state) {
        const optics::Parameters p =
            optics::parametersFor({{dragPosition(++step), 20, 170, 10}}, tables);
        for (int i = 0; i <= 360; ++i)
            benchmark::DoNotOptimize(optics::natezenie(p, i - 180));
        for (int i = 2; i <= 358; ++i) {
            benchmark::DoNotOptimize(optics::graphValue(optics::intensityTerms(p, i - 180)));
            benchmark::DoNotOptimize(optics::graphValue(optics::intensityTerms(p, i + 1 - 180)));
        }
    }
}

// The least any pass can cost: the three bitmaps (361 × 40, 361 × 76 and 361 × 264, 137,180
// pixels) filled once and copied once into a client image.
void pixelFloor(benchmark::State &state)
{
    constexpr int kClientWidth = 632;
    struct Panel
    {
        int top, height;
        std::vector<std::uint32_t> pixels;
    };
    std::vector<Panel> panels {{105, 40, {}}, {14, 76, {}}, {144, 264, {}}};
    for (Panel &panel : panels)
        panel.pixels.resize(std::size_t(361) * std::size_t(panel.height));
    std::vector<std::uint32_t> client(std::size_t(kClientWidth) * 434);
    std::uint32_t colour = 0;
    for (auto _ : state) {
        ++colour;
        for (Panel &panel : panels) {
            // As the rasteriser fills a background: one row, then copies of it.
            std::fill_n(panel.pixels.begin(), 361, colour);
            for (int row = 1; row < panel.height; ++row)
                std::memcpy(panel.pixels.data() + std::ptrdiff_t(row) * 361, panel.pixels.data(),
                            361 * sizeof(std::uint32_t));
            for (int row = 0; row < panel.height; ++row)
                std::memcpy(client.data() + std::ptrdiff_t(panel.top + row) * kClientWidth + 8,
                            panel.pixels.data() + std::ptrdiff_t(row) * 361,
                            361 * sizeof(std::uint32_t));
        }
        benchmark::DoNotOptimize(client.data());
        benchmark::ClobberMemory();
    }
}

const auto *const kChangePass =
    benchmark::RegisterBenchmark("change pass", changePass<dragPosition>);
const auto *const kNewReadout =
    benchmark::RegisterBenchmark("change pass, new readout", changePass<sweepPosition>);
const auto *const kFullRepaint = benchmark::RegisterBenchmark("full repaint", fullRepaint);
const auto *const kNaive = benchmark::RegisterBenchmark("naive evaluations", naiveEvaluations);
const auto *const kPixelFloor = benchmark::RegisterBenchmark("pixel floor", pixelFloor);

} // namespace
