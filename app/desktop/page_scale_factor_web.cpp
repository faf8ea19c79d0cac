// SPDX-License-Identifier: MIT
#include "page_scale_factor.h"

#include <QByteArray>
#include <QtGlobal>

#include <emscripten/val.h>

#include <cmath>
#include <string>

namespace app {

void usePageScaleFactor()
{
    // Qt's device pixels are its scale factor times the browser's pixel ratio; the page picked
    // the factor whose product with that ratio is a whole number, and sized the canvas by it.
    const emscripten::val factor = emscripten::val::global("falorysQtScaleFactor");
    if (factor.typeOf().as<std::string>() != "number")
        return;
    const double value = factor.as<double>();
    // A page of another making may hold anything: Qt then draws at the browser's own ratio.
    if (!std::isfinite(value) || value < 0.125 || value > 8)
        return;
    // All the digits, so that Qt multiplies by exactly the number the page checked.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(value, 'g', 17));
}

} // namespace app
