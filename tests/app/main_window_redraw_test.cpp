// SPDX-License-Identifier: MIT
// What the main window draws into its client image on a full repaint and on each change.
#include "colour.h"
#include "main_window_support.h"
#include "radio_group.h"
#include "readable_palette.h"
#include "surface.h"
#include "test_palette.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>

#include <functional>
#include <memory>

using namespace app_testing;

namespace {

const QRgb kFace = testing_support::kFaceColour.rgb();
const QRgb kBlack = qRgb(0, 0, 0);

// Points that only a full repaint draws: the intensity caption and its arrowhead, a scale
// label and the spectrum bar, and a point of the client area that nothing draws at all.
const QPoint kFullRepaintOnly[] = {{200, 6}, {188, 4}, {250, 95}, {500, 170}, {620, 420}};
// Points inside what every change redraws: strip, graph, diagram and the wavelength readout.
const QPoint kRedrawnOnChange[] = {{100, 120}, {100, 50}, {100, 300}, {540, 206}};

void markAll(TForm1 &form)
{
    for (QPoint p : kFullRepaintOnly)
        mark(form, p);
    for (QPoint p : kRedrawnOnChange)
        mark(form, p);
}

void expectOnlyChangeAreasRedrawn(const TForm1 &form)
{
    for (QPoint p : kFullRepaintOnly)
        EXPECT_TRUE(marked(form, p)) << "(" << p.x() << ", " << p.y() << ") drawn by a change";
    for (QPoint p : kRedrawnOnChange)
        EXPECT_FALSE(marked(form, p)) << "(" << p.x() << ", " << p.y() << ") not redrawn";
}

QImage region(const TForm1 &form, QRect r)
{
    return form.clientImage().copy(r);
}

} // namespace

TEST(MainWindowRedraw, FirstShowingDrawsTheStartSettings)
{
    TForm1 form;
    showAndPaint(form);

    const optics::Parameters &p = form.parameters();
    EXPECT_EQ(p.nr_fali, 1);
    EXPECT_EQ(p.lambda_nm, 380.0);
    EXPECT_EQ(p.d_mm, 0.020);
    EXPECT_EQ(p.L_m, 1.50);
    EXPECT_EQ(p.a_nm, 1000);

    // Strip at (8, 105): the centre in the colour of 380 nm, the edges dimmed, a dark fringe.
    EXPECT_EQ(pixelAt(form, {188, 110}), qRgb(122, 0, 255)) << "strip centre";
    EXPECT_EQ(pixelAt(form, {8, 140}), qRgb(26, 0, 54)) << "strip left edge";
    EXPECT_EQ(pixelAt(form, {368, 105}), qRgb(26, 0, 54)) << "strip right edge";
    EXPECT_EQ(pixelAt(form, {8 + 23, 120}), kBlack) << "first dark fringe on the left";
    EXPECT_EQ(pixelAt(form, {8 + 337, 120}), kBlack) << "first dark fringe on the right";
    // Graph at (8, 14): black frame, face background, the curve's top at the centre.
    EXPECT_EQ(pixelAt(form, {8, 14}), kBlack) << "graph frame";
    EXPECT_EQ(pixelAt(form, {368, 89}), kBlack) << "graph frame";
    EXPECT_EQ(pixelAt(form, {8 + 60, 14 + 10}), kFace) << "graph background";
    EXPECT_EQ(pixelAt(form, {8 + 150, 14 + 5}), qRgb(122, 0, 255)) << "curve point of column 150";
    // Diagram: fills the paint box at (8, 144), 361 x 264, on black; the plate on row 170.
    EXPECT_EQ(pixelAt(form, {8 + 20, 144 + 250}), kBlack) << "diagram background";
    EXPECT_EQ(pixelAt(form, {8 + 360, 144 + 263}), kBlack) << "diagram's last pixel";
    EXPECT_EQ(pixelAt(form, {8 + 50, 144 + 170}), kFace) << "slit plate";
    EXPECT_EQ(pixelAt(form, {8 + 50, 144}), kFace) << "screen line on the top row";
    EXPECT_EQ(pixelAt(form, {7, 300}), kFace) << "left of the paint box";
    EXPECT_EQ(pixelAt(form, {369, 300}), kFace) << "right of the paint box";
    EXPECT_EQ(pixelAt(form, {100, 408}), kFace) << "below the paint box";
    // Captions: the axis above the graph, the spectrum bar in its black box.
    EXPECT_EQ(pixelAt(form, {188, 10}), kBlack) << "intensity axis";
    EXPECT_EQ(pixelAt(form, {439, 159}), kBlack) << "spectrum bar box";
    EXPECT_EQ(pixelAt(form, {600, 170}), kBlack) << "spectrum bar right margin";
    EXPECT_EQ(pixelAt(form, {438, 170}), kFace) << "left of the spectrum bar";
    EXPECT_NE(pixelAt(form, {520, 170}), kBlack) << "spectrum colours";
    EXPECT_NE(pixelAt(form, {520, 170}), kFace) << "spectrum colours";
    // Everything else is the face colour.
    EXPECT_EQ(pixelAt(form, {620, 420}), kFace);
}

TEST(MainWindowRedraw, ChangesRedrawStripGraphAndDiagramButNotTheCaptions)
{
    TForm1 form;
    showAndPaint(form);

    struct Step
    {
        const char *what;
        std::function<void()> act;
    };
    const Step steps[] = {
        {"suwak1", [&] { controlsOf(form).suwak1->setValue(100); }},
        {"suwak2", [&] { controlsOf(form).suwak2->setValue(30); }},
        {"suwak3", [&] { controlsOf(form).suwak3->setValue(200); }},
        {"suwak_a", [&] { controlsOf(form).suwak_a->setValue(50); }},
        {"opcje1 narrow", [&] { clickRadio(controlsOf(form).opcje1->button(1)); }},
        {"opcje1 adjustable", [&] { clickRadio(controlsOf(form).opcje1->button(0)); }},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        markAll(form);
        step.act();
        expectOnlyChangeAreasRedrawn(form);
    }
    EXPECT_EQ(form.parameters().nr_fali, 100);
    EXPECT_EQ(form.parameters().lambda_nm, 479.0);
    EXPECT_EQ(form.parameters().d_mm, 0.030);
    EXPECT_EQ(form.parameters().L_m, 1.80);
    EXPECT_EQ(form.parameters().a_nm, 5000);
    EXPECT_EQ(pixelAt(form, {188, 110}), asQRgb(form.spectrum().colour(100)))
        << "strip centre follows the wavelength";

    // A full repaint draws over everything again.
    form.repaintClientArea();
    for (QPoint p : kFullRepaintOnly)
        EXPECT_FALSE(marked(form, p)) << "(" << p.x() << ", " << p.y() << ") not redrawn";
    EXPECT_EQ(pixelAt(form, {620, 420}), kFace);
}

TEST(MainWindowRedraw, ChangeIsShownOnTheScreen)
{
    TForm1 form;
    showAndPaint(form);
    controlsOf(form).suwak1->setValue(381);
    const QImage shown = form.clientArea()->grab().toImage();
    EXPECT_EQ(shown.pixel(188, 110), asQRgb(form.spectrum().colour(381)));
    EXPECT_FALSE(form.clientArea()->rebuildPending()) << "a change is no full repaint";
}

TEST(MainWindowRedraw, NarrowSlitOptionAndBack)
{
    TForm1 form;
    showAndPaint(form);
    controlsOf(form).suwak_a->setValue(50);
    ASSERT_EQ(form.parameters().a_nm, 5000);
    const QRect widthReadout(554, 336, 70, 14);
    const QImage readoutBefore = region(form, widthReadout);
    const QImage graphBefore = region(form, {8, 14, 361, 76});

    clickRadio(controlsOf(form).opcje1->button(1));
    EXPECT_EQ(controlsOf(form).opcje1->itemIndex(), 1);
    EXPECT_FALSE(controlsOf(form).suwak_a->isEnabled()) << "greyed while the slits are very narrow";
    EXPECT_EQ(form.parameters().a_nm, 1);
    EXPECT_NE(region(form, {8, 14, 361, 76}), graphBefore) << "graph redrawn for a 1 nm slit";
    EXPECT_EQ(region(form, widthReadout), readoutBefore)
        << "the readout still shows the scroll bar's 5000";

    // The greyed scroll bar takes no keys.
    controlsOf(form).suwak_a->setFocus();
    QTest::keyClick(controlsOf(form).suwak_a, Qt::Key_End);
    EXPECT_EQ(controlsOf(form).suwak_a->value(), 50);
    EXPECT_EQ(form.parameters().a_nm, 1);

    // Clicking the selected item again does not run the handler: nothing is redrawn.
    mark(form, {100, 120});
    clickRadio(controlsOf(form).opcje1->button(1));
    EXPECT_TRUE(marked(form, {100, 120}));

    clickRadio(controlsOf(form).opcje1->button(0));
    EXPECT_EQ(controlsOf(form).opcje1->itemIndex(), 0);
    EXPECT_TRUE(controlsOf(form).suwak_a->isEnabled());
    EXPECT_EQ(form.parameters().a_nm, 5000) << "takes the scroll bar's position again";
    EXPECT_EQ(region(form, {8, 14, 361, 76}), graphBefore);

    // With no item selected the width stays as it was.
    controlsOf(form).opcje1->setItemIndex(-1);
    form.opcje1Click(controlsOf(form).opcje1);
    EXPECT_EQ(form.parameters().a_nm, 5000);
    EXPECT_TRUE(controlsOf(form).suwak_a->isEnabled());
}

TEST(MainWindowRedraw, ShorterReadoutLeavesTheTailOfTheLongerOne)
{
    TForm1 form;
    showAndPaint(form);

    drawing::Bitmap scratch(1, 1);
    scratch.canvas().font() = drawing::Font {QStringLiteral("Arial"), -12};
    const QSize longCell = scratch.canvas().TextExtent(QStringLiteral("10000 [nm]  "));
    const QSize shortCell = scratch.canvas().TextExtent(QStringLiteral("9900 [nm]  "));
    ASSERT_GT(longCell.width(), shortCell.width());
    const int row = 336 + longCell.height() / 2;
    const QPoint inTail(554 + (shortCell.width() + longCell.width()) / 2, row);
    const QPoint pastTail(554 + longCell.width() + 2, row);

    mark(form, inTail);
    controlsOf(form).suwak_a->setValue(100); // 10000: its cell covers the tail
    EXPECT_FALSE(marked(form, inTail)) << "the longer readout's cell";
    mark(form, inTail);
    mark(form, pastTail);
    controlsOf(form).suwak_a->setValue(99); // 9900: shorter, leaves the tail alone
    EXPECT_TRUE(marked(form, inTail)) << "a shorter readout must not erase beyond its cell";
    EXPECT_TRUE(marked(form, pastTail));
    form.repaintClientArea();
    EXPECT_EQ(pixelAt(form, inTail), kFace) << "the next full repaint clears the tail";
    EXPECT_EQ(pixelAt(form, pastTail), kFace);
}

TEST(MainWindowRedraw, RebuiltWhenShownAgainAndWhenTheColoursChange)
{
    TForm1 form;
    showAndPaint(form);

    mark(form, {620, 420});
    form.hide();
    form.show();
    showAndPaint(form);
    EXPECT_EQ(pixelAt(form, {620, 420}), kFace) << "shown again: everything drawn anew";

    // A new colour scheme: the face colour is taken from the palette when drawing.
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    const QColor newFace(0x40, 0x50, 0x60);
    dark.setColor(QPalette::Window, newFace);
    QApplication::setPalette(dark);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return pixelAt(form, {620, 420}) == newFace.rgb();
    })) << "a new palette must bring a full repaint";
    EXPECT_EQ(pixelAt(form, {8 + 60, 14 + 10}), newFace.rgb()) << "graph background";
    QApplication::setPalette(original);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pixelAt(form, {620, 420}) == kFace; }));
}

TEST(MainWindowRedraw, ADesktopTurningDarkWhileRunningGetsTheLightPalette)
{
    TForm1 form;
    showAndPaint(form);
    const QPalette original = QApplication::palette();
    app::useReadablePalette();
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), original.color(QPalette::Window))
        << "a light scheme stays as it is";

    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    ASSERT_TRUE(QTest::qWaitFor([] { return !app::isDarkPalette(QApplication::palette()); }))
        << "the desktop turned dark: the program takes a light palette again";
    const QRgb lightFace = QApplication::palette().color(QPalette::Window).rgb();
    EXPECT_GT(qGray(lightFace), 200);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return pixelAt(form, {620, 420}) == lightFace;
    })) << "and the pictures are drawn with it";
    QApplication::setPalette(original);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pixelAt(form, {620, 420}) == kFace; }));
}

TEST(MainWindowRedraw, PaintWhileTheWindowIsDestroyedShowsTheImageTheAreaOwns)
{
    auto form = std::make_unique<TForm1>();
    showAndPaint(*form);
    const QImage drawn = form->clientImage().copy();

    // A child the window deletes before its client area, when the window's own members are
    // gone already, and that sends the client area a paint of a full rebuild as it goes. A
    // client area that drew from the window's members, or asked the window to redraw them,
    // would touch freed memory here (reported by the asan preset).
    QPointer<app::ClientArea> area = form->clientArea();
    auto *child = new QWidget(form.get());
    child->lower(); // first among the children to be deleted
    bool painted = false;
    QImage shown;
    QObject::connect(child, &QObject::destroyed, [&] {
        if (area.isNull())
            return;
        area->invalidate();
        QPaintEvent paint(area->rect());
        QCoreApplication::sendEvent(area, &paint);
        painted = !area->rebuildPending();
        shown = area->image().copy();
    });
    form.reset();
    ASSERT_TRUE(painted) << "the test must paint while the client area still exists";
    EXPECT_EQ(shown, drawn) << "the image as last drawn: nothing draws into it any more";
}
