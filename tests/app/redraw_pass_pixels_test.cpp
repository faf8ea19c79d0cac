// SPDX-License-Identifier: MIT
// The whole client image after full repaints and change passes, bit for bit, against a reference
// drawn beside it: the strip and the graph from the tests' reference model and pen (every column
// and both ends of every segment evaluated afresh, the 2-pixel pen set pixel by pixel from its
// rule), the readouts, captions, diagram and spectrum bar by their own renderers, in order.
#include "apparatus_diagram.h"
#include "graph_captions.h"
#include "main_window_support.h"
#include "radio_group.h"
#include "readouts.h"
#include "reference_model.h"
#include "surface.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <string>

using namespace app_testing;

namespace {

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
        const QImage pixels = reference::strip(p);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x <= 360; ++x)
                image.setPixel(8 + x, 105 + y, pixels.pixel(x, y));
    }

    void graph(const optics::Parameters &p)
    {
        const QImage panel = reference::graphPanel(p, window.systemColours().face);
        for (int y = 0; y < 76; ++y)
            for (int x = 0; x < 361; ++x)
                image.setPixel(8 + x, 14 + y, panel.pixel(x, y));
    }

    // rys_ekran, rys_wykres1 and rys_rysunek1 as a change runs them.
    void changePass(const optics::Setting &at)
    {
        const optics::Parameters p = optics::parametersFor(at, tables);
        drawing::drawReadouts(window, at, separator);
        strip(p);
        graph(p);
        drawing::drawApparatusDiagram(paintBox, at, tables);
    }

    // FormPaint on a client area filled with the face colour.
    void fullRepaint(const optics::Setting &at)
    {
        image.fill(window.systemColours().face);
        const optics::Parameters p = optics::parametersFor(at, tables);
        drawing::drawReadouts(window, at, separator);
        strip(p);
        drawing::opis(window);
        graph(p);
        drawing::drawApparatusDiagram(paintBox, at, tables);
        drawing::skala(window, tables, kClientSize);
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
    reference.fullRepaint(form.setting());
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
        moveQuietly(controlsOf(form).suwak1, s1);
        moveQuietly(controlsOf(form).suwak2, s2);
        moveQuietly(controlsOf(form).suwak3, s3);
        if (!narrow)
            moveQuietly(controlsOf(form).suwak_a, sa);
        const bool optionChanges = narrow != (controlsOf(form).opcje1->itemIndex() == 1);
        controlsOf(form).opcje1->setItemIndex(narrow ? 1 : 0);
        if (optionChanges || step % 4 == 0)
            form.opcje1Click(controlsOf(form).opcje1);
        else if (step % 4 == 1 && !narrow)
            form.suwak_aChange(controlsOf(form).suwak_a);
        else if (step % 4 == 2)
            form.suwak2Change(controlsOf(form).suwak2);
        else
            form.suwak1Change(controlsOf(form).suwak1);
        // Every pass reads the whole setting: the slit width from the bar or the option.
        ASSERT_EQ(form.parameters().a_nm, narrow ? 1 : controlsOf(form).suwak_a->value() * 100);

        if (step % 10 == 9) {
            form.repaintClientArea();
            reference.fullRepaint(form.setting());
        } else {
            reference.changePass(form.setting());
        }
        ASSERT_TRUE(form.clientImage() == reference.image)
            << firstDifference(form.clientImage(), reference.image);
    }
}

} // namespace
