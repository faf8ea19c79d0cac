// SPDX-License-Identifier: MIT
#pragma once

#include "spectrum.h"
#include "surface.h"

#include <QSize>

namespace drawing {

/**
 * The graph's furniture on the client area: the intensity axis with its arrowhead and the
 * caption "Natężenie", and the centimetre scale under the graph. Leaves a black pen, the face
 * brush and Arial 12 px on `window`.
 */
void opis(Surface &window);

/**
 * The visible-spectrum bar above the wavelength scroll bar, drawn in logical units mapped onto
 * `clientSize`; pixel-for-pixel drawing is restored before it returns.
 */
void skala(Surface &window, const optics::SpectrumTables &tables, QSize clientSize);

} // namespace drawing
