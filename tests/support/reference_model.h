// SPDX-License-Identifier: MIT
// The one reference the pixel tests compare the program with: the model and the 2-pixel pen
// written out plainly. Every value is evaluated afresh from beta and alfa, every component
// rounded by the library, every pen pixel tested against its band by the even-odd rule; nothing
// here shares the program's quicker ways (profiles, mirrored columns, walked bands).
#pragma once

#include "intensity.h"
#include "setting.h"
#include "spectrum.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace reference {

inline const optics::SpectrumTables &tables()
{
    static const optics::SpectrumTables t = [] {
        optics::SpectrumTables filled;
        optics::widmo(filled);
        return filled;
    }();
    return t;
}

/** Three scroll-bar positions and the slit width the handlers make of the fourth. */
struct Setting
{
    int suwak1, suwak2, suwak3, a_nm;
};

inline optics::Parameters parameters(const Setting &s)
{
    optics::Parameters p =
        optics::parametersFor({{s.suwak1, s.suwak2, s.suwak3, optics::kSuwakARange.min}}, tables());
    p.a_nm = s.a_nm;
    return p;
}

/** Every position of each scroll bar, the others stepping along, narrow slits now and then. */
inline std::vector<Setting> sweep(int count = 400)
{
    std::vector<Setting> settings;
    for (int i = 0; i < count; ++i)
        settings.push_back({1 + (i * 7) % 381, 20 + i % 21, 170 + i % 51,
                            i % 7 == 3 ? 1 : 100 * (10 + (i * 11) % 91)});
    return settings;
}

/** The graph's value 72·I at x [mm]: ((c·c·72)·(s/a))·(s/a) in extended precision. */
inline long double graphValue(const optics::Parameters &p, int x)
{
    if (x == 0)
        return 72.0L;
    const long double c = std::cos((long double)optics::beta(p, x));
    const long double a = optics::alfa(p, x);
    return ((c * c * 72.0L) * (std::sin(a) / a)) * (std::sin(a) / a);
}

/** The graph's row for x [mm]: 74 − round(72·I), ties to even. */
inline int graphRow(const optics::Parameters &p, int x)
{
    return 74 - int(std::nearbyint(graphValue(p, x)));
}

/** Column i (x = 180 − i) of the strip: each component round(entry × I), ties to even. */
inline QRgb stripColour(const optics::Parameters &p, int column)
{
    const double intensity = optics::natezenie(p, 180 - column);
    const auto scaled = [intensity](int entry) {
        return int(std::nearbyint((long double)entry * (long double)intensity));
    };
    const int n = p.nr_fali;
    return qRgb(scaled(tables().tab_r[n]), scaled(tables().tab_g[n]), scaled(tables().tab_b[n]));
}

/** The 361 × 40 strip. */
inline QImage strip(const optics::Parameters &p)
{
    QImage image(361, 40, QImage::Format_RGB32);
    for (int i = 0; i <= 360; ++i)
        for (int y = 0; y < 40; ++y)
            image.setPixel(i, y, stripColour(p, i));
    return image;
}

/**
 * A segment of the 2-pixel pen: a 2 x 2 block at each end and, along a slanted segment, the
 * four-corner band with half-widths rounded halves away from zero, each pixel tested against the
 * band's edges by the even-odd rule.
 */
class Pen2
{
public:
    Pen2(QImage &image, QRgb colour) : m_image(image), m_colour(colour) { }

    void segment(QPoint a, QPoint b)
    {
        block(a);
        block(b);
        const int dx = b.x() - a.x();
        const int dy = b.y() - a.y();
        if (dx == 0 && dy == 0)
            return;
        if (dy == 0) {
            for (int x = std::min(a.x(), b.x()); x < std::max(a.x(), b.x()); ++x)
                set(x, a.y() - 1), set(x, a.y());
            return;
        }
        if (dx == 0) {
            for (int y = std::min(a.y(), b.y()); y < std::max(a.y(), b.y()); ++y)
                set(a.x() - 1, y), set(a.x(), y);
            return;
        }
        const double len = std::hypot(double(dx), double(dy));
        const double wx = 2.0 * std::abs(dy) / len;
        const double wy = 2.0 * std::abs(dx) / len;
        const auto r = [](double v) { return int(std::llround(v)); };
        QPoint n(r(wx / 2), r(wy / 2));
        QPoint m(r((wx + 1) / 2), r((wy + 1) / 2));
        if (dx < 0) {
            n.ry() = -n.y();
            m.ry() = -m.y();
        }
        if (dy < 0) {
            std::swap(n, m);
            n.rx() = -n.x();
            m.rx() = -m.x();
        }
        const std::array<QPoint, 4> corners {a + QPoint(-n.x(), n.y()), a + QPoint(m.x(), -m.y()),
                                             b + QPoint(m.x(), -m.y()), b + QPoint(-n.x(), n.y())};
        QRect box;
        for (QPoint c : corners)
            box |= QRect(c, QSize(1, 1));
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (inside(corners, x, y))
                    set(x, y);
    }

private:
    // Odd when an odd number of edges, each counting for rows top <= y < bottom, cross row y at
    // or left of x: left edges in, right edges out.
    static bool inside(const std::array<QPoint, 4> &corners, int x, int y)
    {
        int crossings = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            QPoint top = corners[i];
            QPoint bottom = corners[(i + 1) % 4];
            if (top.y() == bottom.y())
                continue;
            if (top.y() > bottom.y())
                std::swap(top, bottom);
            if (y < top.y() || y >= bottom.y())
                continue;
            const std::int64_t d = bottom.y() - top.y();
            if (std::int64_t(top.x()) * d + std::int64_t(y - top.y()) * (bottom.x() - top.x())
                <= std::int64_t(x) * d)
                ++crossings;
        }
        return crossings % 2 == 1;
    }

    void block(QPoint p)
    {
        for (int y = p.y() - 1; y <= p.y(); ++y)
            for (int x = p.x() - 1; x <= p.x(); ++x)
                set(x, y);
    }

    void set(int x, int y)
    {
        if (m_image.rect().contains(x, y))
            m_image.setPixel(x, y, m_colour);
    }

    QImage &m_image;
    QRgb m_colour;
};

/**
 * The 361 × 76 graph panel on the face colour: black frame, baseline and centre line, and the
 * curve in the wavelength's colour through the rows of columns 2 to 359.
 */
inline QImage graphPanel(const optics::Parameters &p, QRgb face)
{
    QImage panel(361, 76, QImage::Format_RGB32);
    panel.fill(qRgb(0, 0, 0));
    for (int y = 1; y < 75; ++y)
        for (int x = 1; x < 360; ++x)
            panel.setPixel(x, y, x == 180 ? qRgb(0, 0, 0) : face);
    const optics::SpectrumTables &t = tables();
    Pen2 pen(panel, qRgb(t.tab_r[p.nr_fali], t.tab_g[p.nr_fali], t.tab_b[p.nr_fali]));
    for (int i = 2; i <= 358; ++i)
        pen.segment(QPoint(i, graphRow(p, 180 - i)), QPoint(i + 1, graphRow(p, 179 - i)));
    return panel;
}

} // namespace reference
