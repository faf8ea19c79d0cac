// SPDX-License-Identifier: MIT
// The readouts under the locale this process was started with (CTest runs it once for each of
// several LC_ALL values): numbers carry that locale's decimal separator, and every readout stays
// right of its label and inside the client area, at the narrowest and the widest settings.
#include "font_mapping.h"
#include "main_window_support.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QLabel>
#include <QScrollBar>
#include <QTextLayout>

#include <cstdlib>
#include <map>
#include <string>

using namespace app_testing;

namespace {

/** The separator each locale the tests run under must give; U+066B is the Arabic one. */
QChar expectedSeparator()
{
    const std::map<std::string, QChar> separators {
        {"pl_PL.UTF-8", u','}, {"de_DE.UTF-8", u','},      {"en_US.UTF-8", u'.'},
        {"C", u'.'},           {"ar_EG.UTF-8", u'\u066B'},
    };
    const char *name = std::getenv("LC_ALL");
    const auto found = separators.find(name ? name : "");
    return found == separators.end() ? QChar() : found->second;
}

struct Readout
{
    QPoint at;
    QLabel *label;
    QString text;
};

/** The client image as a fresh paint of `texts` alone would leave it, on the face colour. */
QImage drawnAlone(const QList<Readout> &readouts)
{
    QImage image(kClientSize, QImage::Format_RGB32);
    drawing::Surface surface(image, QPoint(0, 0), kClientSize);
    image.fill(surface.systemColours().face);
    surface.font().name = QStringLiteral("Arial");
    surface.font().height = -12;
    surface.brush().colour = drawing::clBtnFace;
    for (const Readout &r : readouts)
        surface.TextOut(r.at.x(), r.at.y(), r.text);
    return image;
}

} // namespace

TEST(LocaleReadouts, SeparatorOfTheLocaleAndNoOverlap)
{
    const char *locale = std::getenv("LC_ALL");
    SCOPED_TRACE(std::string("LC_ALL=") + (locale ? locale : "(unset)"));
    const QChar separator = expectedSeparator();
    ASSERT_FALSE(separator.isNull()) << "no expectation for this locale";

    TForm1 form;
    showAndPaint(form);
    EXPECT_EQ(form.decimalSeparator(), separator);
    {
        // Drawn from a face that has it, not as the box of a missing glyph.
        drawing::Font readoutFont {QStringLiteral("Arial"), -12};
        QTextLayout layout(QString(separator), drawing::toQFont(readoutFont));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns())
            EXPECT_FALSE(run.glyphIndexes().contains(0)) << "no face has the separator";
    }

    const QRgb face = drawing::systemColoursOf(form.palette()).face;
    const QString s(separator);
    struct Setting
    {
        const char *name;
        bool atEnd;
        QStringList texts;
    };
    const Setting settings[] = {
        {"start", false, {"380 [nm]", "0" + s + "020 [mm]", "1" + s + "50 [m]", "1000 [nm]  "}},
        {"every bar at its end",
         true,
         {"760 [nm]", "0" + s + "040 [mm]", "2" + s + "00 [m]", "10000 [nm]  "}},
    };
    for (const Setting &setting : settings) {
        SCOPED_TRACE(setting.name);
        for (QScrollBar *bar : {controlsOf(form).suwak1, controlsOf(form).suwak2,
                                controlsOf(form).suwak3, controlsOf(form).suwak_a})
            bar->setValue(setting.atEnd ? bar->maximum() : bar->minimum());
        form.repaintClientArea();

        const QList<Readout> readouts = {
            {{536, 202}, controlsOf(form).Label1, setting.texts[0]},
            {{548, 246}, controlsOf(form).Label2, setting.texts[1]},
            {{560, 291}, controlsOf(form).Label3, setting.texts[2]},
            {{554, 336}, controlsOf(form).Label4, setting.texts[3]},
        };
        const QImage expected = drawnAlone(readouts);
        QImage scratch(1, 1, QImage::Format_RGB32);
        drawing::Surface measure(scratch, QPoint(0, 0), QSize(1, 1));
        measure.font().name = QStringLiteral("Arial");
        measure.font().height = -12;
        for (const Readout &r : readouts) {
            SCOPED_TRACE(r.text.toStdString());
            const QRect cell(r.at, measure.TextExtent(r.text));
            // The label's box may end in its trailing blank over the cell; its ink may not.
            const QRect ink = QFontMetrics(r.label->font()).boundingRect(r.label->text());
            const int inkRight = r.label->x() + r.label->contentsRect().left() + ink.right();
            EXPECT_LT(inkRight, cell.left()) << "the readout touches its label's text";
            EXPECT_TRUE(QRect(QPoint(0, 0), kClientSize).contains(cell))
                << "the readout leaves the client area";
            EXPECT_EQ(form.clientImage().copy(cell), expected.copy(cell))
                << "the window does not show this text";

            // Nothing drawn between the label and the cell, nor right of the cell.
            int stray = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                for (int x = inkRight + 1; x < kClientSize.width(); ++x)
                    stray += !cell.contains(x, y) && form.clientImage().pixel(x, y) != face;
            }
            EXPECT_EQ(stray, 0) << "pixels drawn outside the readout's cell";
        }
        if (separator != u'.') {
            QList<Readout> withPoint = readouts;
            withPoint[1].text.replace(separator, u'.');
            const QRect cell(withPoint[1].at, measure.TextExtent(readouts[1].text));
            EXPECT_NE(form.clientImage().copy(cell), drawnAlone(withPoint).copy(cell))
                << "the separator does not show: it looks like a point";
        }
    }
}
