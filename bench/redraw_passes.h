// SPDX-License-Identifier: MIT
// The redraw passes' shared settings: used by the Google Benchmark passes and by the plain
// timing that runs the same passes in the browser, where Google Benchmark is not built.
#pragma once

#include "main_window.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <cstdint>

namespace bench {

// A drag of the wavelength bar back and forth over its first 41 positions (380 to 420 nm, the
// most fringes and wave lines of the range), one step per pass: every pass has a new setting,
// so nothing one pass evaluates can serve the next, while the readouts repeat as they do when a
// bar is dragged to and fro (their text cells are cached; a readout never seen before is
// measured apart, by "change pass, new readout").
inline int dragPosition(std::int64_t step)
{
    constexpr int kSpan = 40;
    const int k = int(step % (2 * kSpan));
    return 1 + (k <= kSpan ? k : 2 * kSpan - k);
}

inline QScrollBar *wavelengthBar(const TForm1 &form)
{
    return form.findChild<QScrollBar *>(QStringLiteral("suwak1"));
}

// The bar moved without its signal, so that the pass's handler runs once, where it is timed.
inline void moveQuietly(QScrollBar *bar, int value)
{
    const QSignalBlocker quiet(bar);
    bar->setValue(value);
}

} // namespace bench
