// SPDX-License-Identifier: MIT
// The main window on a screen of two device pixels per pixel (CTest runs this executable with
// QT_SCALE_FACTOR=2): the layout stays in logical pixels and the client image is shown at twice
// its size, each of its pixels a sharp 2 x 2 block.
#include "main_window_support.h"
#include "memo.h"
#include "radio_group.h"

#include <QPixmap>
#include <QScrollBar>
#include <QSet>

using namespace app_testing;

TEST(HighDpi, LayoutStaysInLogicalPixels)
{
    TForm1 form;
    showAndPaint(form);
    ASSERT_EQ(form.devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";

    EXPECT_EQ(form.clientArea()->size(), kClientSize);
    EXPECT_EQ(form.clientImage().size(), kClientSize) << "drawn pixel for pixel, then scaled";
    EXPECT_EQ(controlsOf(form).suwak1->geometry(), QRect(440, 181, 168, 17));
    EXPECT_EQ(controlsOf(form).suwak2->geometry(), QRect(440, 226, 168, 17));
    EXPECT_EQ(controlsOf(form).suwak3->geometry(), QRect(440, 271, 168, 17));
    EXPECT_EQ(controlsOf(form).suwak_a->geometry(), QRect(440, 316, 168, 17));
    EXPECT_EQ(controlsOf(form).opcje1->geometry(), QRect(448, 24, 137, 73));
    EXPECT_EQ(controlsOf(form).Memo2->geometry(), QRect(502, 70, 17, 17));
}

TEST(HighDpi, EveryImagePixelIsASharpTwoByTwoBlock)
{
    TForm1 form;
    showAndPaint(form);
    ASSERT_EQ(form.devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    // A setting with fine detail: narrow fringes in the strip and steep slopes in the graph.
    controlsOf(form).suwak1->setValue(200);
    controlsOf(form).suwak2->setValue(40);
    controlsOf(form).suwak_a->setValue(37);

    const QPixmap grabbed = form.clientArea()->grab();
    EXPECT_EQ(grabbed.devicePixelRatio(), 2.0);
    const QImage screen = grabbed.toImage();
    ASSERT_EQ(screen.size(), kClientSize * 2);
    const QImage &image = form.clientImage();

    // The strip (8, 105)-(368, 144), the graph above it and the diagram below it; no control
    // lies over any of them.
    const QRect drawn(8, 14, 361, 394);
    int mismatches = 0;
    QString first;
    for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
        for (int x = drawn.left(); x <= drawn.right(); ++x) {
            const QRgb expected = image.pixel(x, y);
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb got = screen.pixel(2 * x + d.x(), 2 * y + d.y());
                if (qRgb(qRed(got), qGreen(got), qBlue(got)) != (expected | 0xFF000000)) {
                    if (mismatches++ == 0)
                        first = QStringLiteral("image (%1, %2) = %3, screen (%4, %5) = %6")
                                    .arg(x)
                                    .arg(y)
                                    .arg(expected & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                    .arg(2 * x + d.x())
                                    .arg(2 * y + d.y())
                                    .arg(got & 0xFFFFFF, 6, 16, QLatin1Char('0'));
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << "first: " << first.toStdString();

    // The picture is not flat: a blur would have had edges to soften.
    QSet<QRgb> colours;
    for (int x = drawn.left(); x <= drawn.right(); ++x)
        colours.insert(image.pixel(x, 120));
    EXPECT_GT(colours.size(), 20) << "the strip's row has many shades";
}
