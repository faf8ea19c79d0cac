// SPDX-License-Identifier: MIT
#pragma once

#include "setting.h"
#include "spectrum.h"
#include "surface.h"

namespace drawing {

/** Size of the paint box that shows the diagram. */
inline constexpr QSize kDiagramSize {361, 264};

/**
 * Draws the whole apparatus diagram (screen line, slit plate, incident waves, wavefronts,
 * dimension arrows and labels) into a fresh off-screen bitmap and copies it to `paintBox`.
 * It follows the setting's separation, distance and wavelength; the slit width does not show.
 */
void drawApparatusDiagram(Surface &paintBox, const optics::Setting &setting,
                          const optics::SpectrumTables &tables);

/** The incident wave lines and the wavefront arcs around the slits x1 and x2 on row y_sz. */
void fale(Surface &bmp_rysunek, int x1, int x2, int y_sz, int nr_fali,
          const optics::SpectrumTables &tables);

/** An arrow from (xpocz, ypocz) to its tip (xkonca, ykonca), the head wsp of its length. */
void wektor(Surface &bmp_rysunek, int xpocz, int ypocz, int xkonca, int ykonca, double wsp);

} // namespace drawing
