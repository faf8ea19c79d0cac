// SPDX-License-Identifier: MIT
// The whole client image after full repaints and change passes, bit for bit, against a reference
// drawn beside it: the strip and the graph written out straight from the model (every column and
// both ends of every segment evaluated afresh, the 2-pixel pen set pixel by pixel from its rule),
// the readouts, captions, diagram and spectrum bar by their own renderers, in the same order.
#include "apparatus_diagram.h"
#include "graph_captions.h"
#include "main_window_support.h"
#include "radio_group.h"
#include "screen_strip.h"
#include "surface.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

using namespace windows_testing;

namespace {

// The rule of the 2-pixel pen written out: a 2 x 2 block at each end and, along a slanted
// segment, the four-corner band, each pixel of it tested against its edges by the even-odd rule.
class ReferencePen
{
public:
    ReferencePen(QImage &image, QRgb colour) : m_image(image), m_colour(colour) { }

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
        const auto r = [](double v) { return int(std::floor(v + 0.5)); }; // v >= 0
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

long double graphValue(const optics::Parameters &p, int x)
{
    if (x == 0)
        return 72.0L;
    const long double c = std::cos((long double)optics::beta(p, x));
    const long double a = optics::alfa(p, x);
    return ((c * c * 72.0L) * (std::sin(a) / a)) * (std::sin(a) / a);
}

// What the window shows, drawn apart: its own image and surfaces, which keep their pen, brush
// and font from one renderer to the next as the window's do.
struct Reference
{
    QImage image {kClientSize, QImage::Format_RGB32};
    drawing::Surface window {image, QPoint(0, 0), kClientSize};
    drawing::Surface paintBox {image, QPoint(8, 144), drawing::kDiagramSize};
    const optics::SpectrumTables &tables;
    QChar separator;

    void strip(const optics::Parameters &p)
    {
        const int n = p.nr_fali;
        const auto scaled = [](int entry, double intensity) {
            return int(std::nearbyint((long double)entry * (long double)intensity));
        };
        for (int i = 0; i <= 360; ++i) {
            const double intensity = optics::natezenie(p, 180 - i);
            const QRgb colour =
                qRgb(scaled(tables.tab_r[n], intensity), scaled(tables.tab_g[n], intensity),
                     scaled(tables.tab_b[n], intensity));
            for (int y = 0; y < 40; ++y)
                image.setPixel(8 + i, 105 + y, colour);
        }
    }

    void graph(const optics::Parameters &p)
    {
        QImage panel(361, 76, QImage::Format_RGB32);
        panel.fill(asQRgb(0) | 0xFF000000u);
        for (int y = 1; y < 75; ++y)
            for (int x = 1; x < 360; ++x)
                panel.setPixel(x, y, drawing::resolveColour(drawing::clBtnFace));
        for (int y = 1; y < 75; ++y) // the centre line
            panel.setPixel(180, y, qRgb(0, 0, 0));
        ReferencePen pen(panel, asQRgb(tables.colour(p.nr_fali)));
        const auto row = [&p](int x) { return 74 - int(std::nearbyint(graphValue(p, x))); };
        for (int i = 2; i <= 358; ++i)
            pen.segment(QPoint(i, row(180 - i)), QPoint(i + 1, row(179 - i)));
        for (int y = 0; y < 76; ++y)
            for (int x = 0; x < 361; ++x)
                image.setPixel(8 + x, 14 + y, panel.pixel(x, y));
    }

    // rys_ekran, rys_wykres1 and rys_rysunek1 as a change runs them.
    void changePass(const drawing::ScrollPositions &at, int aNm)
    {
        const optics::Parameters p = parameters(at, aNm);
        drawing::drawReadouts(window, at, separator);
        strip(p);
        graph(p);
        drawing::drawApparatusDiagram(paintBox, at.suwak2, at.suwak3, at.suwak1, tables);
    }

    // FormPaint on a client area filled with the face colour.
    void fullRepaint(const drawing::ScrollPositions &at, int aNm)
    {
        image.fill(drawing::resolveColour(drawing::clBtnFace));
        const optics::Parameters p = parameters(at, aNm);
        drawing::drawReadouts(window, at, separator);
        strip(p);
        drawing::opis(window);
        graph(p);
        drawing::drawApparatusDiagram(paintBox, at.suwak2, at.suwak3, at.suwak1, tables);
        drawing::skala(window, tables, kClientSize);
    }

    optics::Parameters parameters(const drawing::ScrollPositions &at, int aNm) const
    {
        optics::Parameters p;
        optics::readScrollPositions(p, tables, at.suwak1, at.suwak2, at.suwak3);
        p.a_nm = aNm;
        return p;
    }
};

std::string firstDifference(const QImage &shown, const QImage &expected)
{
    int count = 0;
    std::string first;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != expected.pixel(x, y) && count++ == 0)
                first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return std::to_string(count) + " pixels differ, the first at " + first;
}

void moveQuietly(QScrollBar *bar, int value)
{
    const QSignalBlocker quiet(bar);
    bar->setValue(value);
}

TEST(RedrawPassPixels, ChangesAndRepaintsEqualTheReferenceBitForBit)
{
    TForm1 form;
    showAndPaint(form);
    Reference reference {.tables = form.spectrum(), .separator = form.decimalSeparator()};
    const auto positions = [&form] {
        return drawing::ScrollPositions {form.suwak1->value(), form.suwak2->value(),
                                         form.suwak3->value(), form.suwak_a->value()};
    };
    int aNm = 1000; // what the handlers make of the option group and suwak_a
    reference.fullRepaint(positions(), aNm);
    ASSERT_TRUE(form.clientImage() == reference.image)
        << "first showing: " << firstDifference(form.clientImage(), reference.image);

    // Every wavelength over the steps, the other bars stepping along, the narrow slits now and
    // then, each change through a different handler, and now and then a full repaint.
    for (int step = 0; step < 150; ++step) {
        const int s1 = 1 + (step * 37) % 381;
        const int s2 = 20 + (step * 5) % 21;
        const int s3 = 170 + (step * 7) % 51;
        const int sa = 10 + (step * 11) % 91;
        const bool narrow = step % 6 == 5;
        SCOPED_TRACE(testing::Message() << "step " << step << ": " << s1 << "/" << s2 << "/" << s3
                                        << "/" << sa << (narrow ? ", a <<" : ""));
        moveQuietly(form.suwak1, s1);
        moveQuietly(form.suwak2, s2);
        moveQuietly(form.suwak3, s3);
        if (!narrow)
            moveQuietly(form.suwak_a, sa);
        const bool optionChanges = narrow != (form.opcje1->itemIndex() == 1);
        form.opcje1->setItemIndex(narrow ? 1 : 0);
        if (optionChanges || step % 4 == 0) {
            form.opcje1Click(form.opcje1);
            aNm = narrow ? 1 : form.suwak_a->value() * 100;
        } else if (step % 4 == 1 && !narrow) {
            form.suwak_aChange(form.suwak_a);
            aNm = form.suwak_a->value() * 100;
        } else if (step % 4 == 2) {
            form.suwak2Change(form.suwak2); // the slit width stays as it was
        } else {
            form.suwak1Change(form.suwak1);
        }
        ASSERT_EQ(form.parameters().a_nm, aNm);

        if (step % 10 == 9) {
            form.repaintClientArea();
            reference.fullRepaint(positions(), aNm);
        } else {
            reference.changePass(positions(), aNm);
        }
        ASSERT_TRUE(form.clientImage() == reference.image)
            << firstDifference(form.clientImage(), reference.image);
    }
}

} // namespace
