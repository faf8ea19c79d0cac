// SPDX-License-Identifier: MIT
#include "graph_captions.h"

#include <QCoreApplication>
#include <QPoint>

#include <array>

namespace drawing {

namespace {

// Puts the surface back to pixel-for-pixel drawing however the scope is left.
class PixelMappingGuard
{
public:
    explicit PixelMappingGuard(Surface &surface) : m_surface(surface) { }
    ~PixelMappingGuard() { m_surface.setPixelMapping(); }
    PixelMappingGuard(const PixelMappingGuard &) = delete;
    PixelMappingGuard &operator=(const PixelMappingGuard &) = delete;

private:
    Surface &m_surface;
};

} // namespace

void opis(Surface &window)
{
    window.font().name = QStringLiteral("Arial");
    window.font().charset = EastEuropeCharset;
    window.font().height = -12;
    window.pen().colour = clBlack;

    window.MoveTo(188, 24); // intensity axis
    window.LineTo(188, 8);
    window.brush().colour = clBtnFace;
    const std::array<QPoint, 3> arrowhead {QPoint(186, 9), QPoint(190, 9), QPoint(188, 1)};
    window.Polygon(arrowhead);
    window.TextOut(194, 1, QCoreApplication::translate("Captions", "Natężenie"));

    for (int k = 0; k <= 12; ++k) { // a tick every 3 cm
        window.MoveTo(8 + 30 * k, 85);
        window.LineTo(8 + 30 * k, 105);
    }

    // A number every 6 cm, each starting 3 pixels left of its tick per character.
    window.brush().colour = clBtnFace;
    for (int k = 0; k <= 6; ++k) {
        const QString label = QString::number(6 * k - 18);
        window.TextOut(8 + 60 * k - 3 * int(label.size()), 90, label);
    }
    window.TextOut(380, 90, QStringLiteral("[cm]"));
}

void skala(Surface &window, const optics::SpectrumTables &tables, QSize clientSize)
{
    const PixelMappingGuard guard(window);
    window.setAnisotropicMapping(QSize(1680, 820), clientSize);

    window.brush().colour = clBlack;
    window.Rectangle(1166, 300, 1616, 340);
    for (int i = 1; i <= optics::kSpectrumSize; ++i) { // violet on the left, red on the right
        window.pen().colour = tables.colour(i);
        window.MoveTo(1200 + i, 300);
        window.LineTo(1200 + i, 340);
    }
}

} // namespace drawing
