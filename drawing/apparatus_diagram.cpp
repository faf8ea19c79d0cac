// SPDX-License-Identifier: MIT
#include "apparatus_diagram.h"

#include "rounding.h"
#include "scroll_ranges.h"

#include <QPoint>

#include <algorithm>
#include <array>
#include <cmath>

namespace drawing {

void drawApparatusDiagram(Surface &paintBox, const optics::Setting &setting,
                          const optics::SpectrumTables &tables)
{
    using optics::Bar;
    // The positions are the picture's own distances [px]. Out-of-range positions could put it
    // anywhere; the scroll bars never produce them.
    const int suwak2 = optics::kSuwak2Range.clamp(setting.position(Bar::Separation));
    const int y_sz = optics::kSuwak3Range.clamp(setting.position(Bar::Distance));
    const int nr_fali = optics::kSuwak1Range.clamp(setting.position(Bar::Wavelength));
    const int s = roundHalfEven(20.0 - suwak2 / 2.0);
    const int x1 = 150 + s;
    const int x2 = 210 - s;
    const int ym = y_sz / 2;

    Bitmap bmp_rysunek(kDiagramSize.width(), kDiagramSize.height(), paintBox);
    Surface &canvas = bmp_rysunek.canvas();
    canvas.font().name = QStringLiteral("Arial");
    canvas.font().height = -12;

    canvas.brush().colour = clBlack;
    canvas.Rectangle(0, 0, kDiagramSize.width(), kDiagramSize.height());

    canvas.pen().colour = clBtnFace;
    canvas.brush().colour = clBtnFace;
    wektor(canvas, 345, ym, 345, y_sz - 1, 0.1); // L, down to the plate
    wektor(canvas, 345, ym, 345, 1, 0.1); // L, up to the screen

    canvas.pen().width = 3; // the slit plate with its two gaps
    canvas.MoveTo(0, y_sz);
    canvas.LineTo(x1 - 3, y_sz);
    canvas.MoveTo(x1 + 3, y_sz);
    canvas.LineTo(x2 - 3, y_sz);
    canvas.MoveTo(x2 + 3, y_sz);
    canvas.LineTo(360, y_sz);

    canvas.pen().width = 1;
    fale(canvas, x1, x2, y_sz, nr_fali, tables);

    canvas.pen().colour = clBtnFace;
    canvas.MoveTo(x1, y_sz + 5); // ticks under the slits
    canvas.LineTo(x1, y_sz + 15);
    canvas.MoveTo(x2, y_sz + 5);
    canvas.LineTo(x2, y_sz + 15);
    wektor(canvas, x1 - 20, y_sz + 10, x1, y_sz + 10, 0.2); // d, from the left
    wektor(canvas, x2 + 20, y_sz + 10, x2, y_sz + 10, 0.2); // d, from the right

    canvas.MoveTo(0, 0); // the screen, over the tops of the arcs
    canvas.LineTo(361, 0);

    canvas.brush().colour = clBlack;
    canvas.font().colour = clBtnFace;
    canvas.TextOut(x2 + 25, y_sz + 2, QStringLiteral("d"));
    canvas.TextOut(330, ym, QStringLiteral("L"));

    paintBox.Draw(0, 0, bmp_rysunek);
}

void fale(Surface &bmp_rysunek, int x1, int x2, int y_sz, int nr_fali,
          const optics::SpectrumTables &tables)
{
    const int n = optics::kSuwak1Range.clamp(nr_fali);
    // The wavelengths are 380..760 nm; the floor keeps a corrupt table from dividing by zero.
    const int c = std::max(1, roundHalfEven(tables.tab_lambda[n] / 20.0));
    const int band = 260 - y_sz;
    const int N = std::max(0, band / c);
    const int m = roundHalfEven((band - N * c) / 2.0);

    for (int k = 0; k <= N; ++k) { // incident waves, from the bottom upwards
        bmp_rysunek.pen().colour = tables.colour(n);
        const int row = 262 - m - k * c;
        bmp_rysunek.MoveTo(100, row);
        bmp_rysunek.LineTo(260, row);
    }

    // Wavefronts: the upper part of each circle round a slit, a little wider on the left.
    int r = c;
    do {
        const int dx = roundHalfEven(r / 2.0);
        const int dy = roundHalfEven(r * std::sqrt(3.0) / 2.0);
        for (int x : {x1, x2})
            bmp_rysunek.Arc(x - r, y_sz - r, x + r, y_sz + r, x + dx, y_sz - dy, x - dx - 2,
                            y_sz - dy);
        r += c;
    } while (r <= y_sz + c);
}

void wektor(Surface &bmp_rysunek, int xpocz, int ypocz, int xkonca, int ykonca, double wsp)
{
    const double dx = double(xkonca) - xpocz;
    const double dy = double(ykonca) - ypocz;
    const double len = std::sqrt(dx * dx + dy * dy);

    bmp_rysunek.pen().width = 1;
    bmp_rysunek.MoveTo(xpocz, ypocz);
    bmp_rysunek.LineTo(xkonca, ykonca);

    // An arrow without length has no direction for its head: only the shaft (nothing) is drawn.
    if (!(len > 0.0))
        return;
    const double bx = xkonca - wsp * dx;
    const double by = ykonca - wsp * dy;
    const std::array<QPoint, 3> head {
        QPoint(xkonca, ykonca),
        QPoint(roundHalfEven(bx - 3 * dy / len), roundHalfEven(by + 3 * dx / len)),
        QPoint(roundHalfEven(bx + 3 * dy / len), roundHalfEven(by - 3 * dx / len)),
    };
    bmp_rysunek.Polygon(head);
}

} // namespace drawing
