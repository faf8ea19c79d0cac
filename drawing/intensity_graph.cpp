// SPDX-License-Identifier: MIT
#include "intensity_graph.h"

#include "rounding.h"
#include "scroll_ranges.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace drawing {

namespace {

// 74 − round(72·I), ties to even; the value lies in 0..72.
int rowOf(long double value)
{
    return 74 - roundHalfEven(value);
}

} // namespace

int graphRow(const optics::Parameters &params, double x)
{
    return rowOf(optics::graphValue(optics::intensityTerms(params, x)));
}

void drawIntensityGraph(Surface &window, const optics::IntensityProfile &profile,
                        const optics::SpectrumTables &tables)
{
    const int w = kGraphSize.width();
    const int h = kGraphSize.height();
    Bitmap graph(w, h, window);
    Surface &canvas = graph.canvas();

    canvas.brush().colour = clBtnFace;
    canvas.Rectangle(0, 0, w, h);
    canvas.MoveTo(1, h - 1); // baseline, on the frame's bottom row
    canvas.LineTo(w - 1, h - 1);
    canvas.pen().colour = clBlack;
    canvas.MoveTo(180, h); // centre line, from below the panel up to the top frame row
    canvas.LineTo(180, 0);
    canvas.MoveTo(w - 1, 0);
    canvas.LineTo(w - 1, h - 1);

    const int n = optics::kSuwak1Range.clamp(profile.parameters().nr_fali);
    canvas.pen().colour = tables.colour(n);
    canvas.pen().width = 2;
    // Column c stands for x = c − 180; the points of columns 2 to 359 are joined by 357 segments.
    // The point of x serves −x too (bit for bit the same value), and the end of one segment is
    // the start of the next: each row is worked out once.
    constexpr int kCentre = optics::IntensityProfile::kMaxOffset;
    std::array<int, kCentre> rows; // by |x|, 0..179
    for (int x = 0; x < kCentre; ++x)
        rows[x] = rowOf(profile.graphValue(x));
    for (int i = 2; i <= 358; ++i) {
        canvas.MoveTo(i, rows[std::abs(i - kCentre)]);
        canvas.LineTo(i + 1, rows[std::abs(i + 1 - kCentre)]);
    }

    window.Draw(kGraphOrigin.x(), kGraphOrigin.y(), graph);
}

} // namespace drawing
