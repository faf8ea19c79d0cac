// SPDX-License-Identifier: MIT
// The change pass and the full repaint of redraw_pass_bench.cpp, timed plainly with a steady
// clock: the same program runs natively and in the browser (bench/web/measure_web.py), where
// Google Benchmark is not built. Prints one line per pass: the median over rounds of the mean
// wall time of one pass, in microseconds.
#include "main_window.h"
#include "redraw_passes.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRounds = 7;
constexpr int kPasses = 200;

template<typename Pass>
double microsecondsPerPass(Pass pass)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kPasses; ++i)
        pass();
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    return took.count() / kPasses;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TForm1 form;
    form.repaintClientArea(); // as on first showing: fonts and text cells ready
    QScrollBar *const suwak1 = bench::wavelengthBar(form);
    std::int64_t step = 0;
    const auto changePass = [&] {
        bench::moveQuietly(suwak1, bench::dragPosition(++step));
        form.suwak1Change(suwak1);
    };
    const auto fullRepaint = [&] {
        bench::moveQuietly(suwak1, bench::dragPosition(++step));
        form.FormPaint(&form);
    };
    changePass(); // the first pass measures fonts and fills text caches
    std::vector<double> change, full;
    // Interleaved rounds, so that both passes share whatever the machine is doing.
    for (int round = 0; round < kRounds; ++round) {
        change.push_back(microsecondsPerPass(changePass));
        full.push_back(microsecondsPerPass(fullRepaint));
    }
    std::printf("change pass: %.1f us\nfull repaint: %.1f us\n", median(change), median(full));
    std::fflush(stdout);
    return 0;
}
