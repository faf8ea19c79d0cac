// SPDX-License-Identifier: MIT
// What leaves the program (the real executable's exports, the context menu's actions, the
// tooltip) against the window at the same setting.
#include "client_area_menu.h"
#include "intensity.h"
#include "main_window_support.h"
#include "pattern_output.h"
#include "pattern_tool_tip.h"
#include "program_run.h"
#include "radio_group.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHelpEvent>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>

using namespace app_testing;

namespace {

struct Setting
{
    const char *arguments; ///< the setting on the command line
    int suwak1, suwak2, suwak3, suwak_a; ///< the scroll bars' positions for it
    bool narrow;
    const char *header; ///< the CSV's first line names it so
    const char *name; ///< the save dialogs offer this file name
};

// Both ends of every range, and one setting between them.
const Setting kSettings[] = {
    {"", 1, 20, 170, 10, false, "λ = 380 nm, d = 0.020 mm, L = 1.50 m, a = 1000 nm",
     "falorys-380nm-d0.020mm-L1.50m-a1000nm."},
    {"--lambda 760 --d 0,040 --L 2.00 --a-small", 381, 40, 220, 10, true,
     "λ = 760 nm, d = 0.040 mm, L = 2.00 m, a << λ (a = 1 nm)",
     "falorys-760nm-d0.040mm-L2.00m-a-bardzo-waskie."},
    {"--lambda 650 --d 0.030 --L 1,8 --a 5000", 271, 30, 200, 50, false,
     "λ = 650 nm, d = 0.030 mm, L = 1.80 m, a = 5000 nm", "falorys-650nm-d0.030mm-L1.80m-a5000nm."},
};

QImage pngImage(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

/** Saves through a context-menu action, answering its file dialog, which offers `offered`. */
void saveThroughMenu(QAction *action, const QString &offered, const QString &path)
{
    // Qt's own dialog, which the test can answer; Windows would show its own.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    bool answered = false;
    QTimer::singleShot(0, [offered, path, &answered] {
        answered = true;
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no file dialog";
        EXPECT_EQ(QFileInfo(dialog->selectedFiles().value(0)).fileName(), offered);
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    action->trigger();
    // The action only opens the dialog; the file is written once it is answered.
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered && !QApplication::activeModalWidget(); }));
}

} // namespace

TEST(PatternOutput, ExportsAndSaveActionsGiveTheWindowsPixelsAndTheModelsNumbers)
{
    // The exporting program draws with the offscreen platform's palette: so does the window here.
    const QPalette fixed = QApplication::palette();
    QApplication::setPalette(QApplication::style()->standardPalette());
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("cli.png"));
    const QString csv = dir.filePath(QStringLiteral("cli.csv"));
    for (const Setting &s : kSettings) {
        const QString line = QStringLiteral("%1 --export-png %2 --export-csv %3");
        ASSERT_EQ(runProgram(line.arg(s.arguments, png, csv).split(u' ', Qt::SkipEmptyParts)), 0);
        // The window reaches the setting as a user does: the scroll bars, then the option.
        TForm1 form;
        controlsOf(form).suwak1->setValue(s.suwak1);
        controlsOf(form).suwak2->setValue(s.suwak2);
        controlsOf(form).suwak3->setValue(s.suwak3);
        controlsOf(form).suwak_a->setValue(s.suwak_a);
        if (s.narrow)
            clickRadio(controlsOf(form).opcje1->button(1));
        showAndPaint(form);
        const QImage image = form.picture();
        EXPECT_EQ(pngImage(png), image);
        // The controls lie beside the client image's pictures, which the picture keeps exact.
        QRegion controls;
        for (const QWidget *w :
             form.clientArea()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            controls += w->isVisible() ? w->geometry() : QRect();
        EXPECT_FALSE(controls.intersects(QRect(8, 14, 361, 394)));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ASSERT_TRUE(controls.contains({x, y})
                            || image.pixel(x, y) == form.clientImage().pixel(x, y))
                    << x << ", " << y;
        }

        // The header names the setting; each row agrees with the strip's pixels at its column
        // and reads back as the model's very double.
        const QList<QByteArray> lines = contentsOf(csv).split('\n');
        ASSERT_EQ(lines.size(), 363) << "a header, 361 columns and nothing after the last CRLF";
        EXPECT_EQ(QString::fromUtf8(lines[0]),
                  QStringLiteral("x [mm],\"I/I₀ przy %1; separator dziesiętny: kropka\",R,G,B\r")
                      .arg(QString::fromUtf8(s.header)));
        for (int row = 1; row <= 361; ++row) {
            ASSERT_TRUE(lines[row].endsWith('\r'));
            const QList<QByteArray> f = lines[row].chopped(1).split(',');
            ASSERT_EQ(f.size(), 5) << lines[row].constData();
            const int x = f[0].toInt();
            ASSERT_EQ(x, row - 181);
            const QRgb strip = image.pixel(8 + 180 - x, 105 + row % 39);
            EXPECT_EQ(qRgb(f[2].toInt(), f[3].toInt(), f[4].toInt()), strip) << x;
            const double model = optics::natezenie(form.parameters(), double(x));
            EXPECT_EQ(std::strtod(f[1].constData(), nullptr), model) << x;
        }

        // The context menu copies and writes the very same.
        auto *menu = form.findChild<app::ClientAreaMenu *>();
        ASSERT_NE(menu, nullptr);
        menu->copyImageAction()->trigger();
        EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), image);
        const QString menuPng = dir.filePath(QStringLiteral("menu.png"));
        const QString menuCsv = dir.filePath(QStringLiteral("menu.csv"));
        saveThroughMenu(menu->saveImageAction(), s.name + QStringLiteral("png"), menuPng);
        saveThroughMenu(menu->saveDataAction(), s.name + QStringLiteral("csv"), menuCsv);
        EXPECT_EQ(pngImage(menuPng), image);
        EXPECT_EQ(contentsOf(menuCsv), contentsOf(csv));
        QFile::remove(menuPng); // else the next save asks whether to replace it
        QFile::remove(menuCsv);
    }
    QApplication::setPalette(fixed);
}

TEST(PatternOutput, AWrongCommandLineEndsWithCode2AFailedWriteWith1AndNothingIsWritten)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("dane.csv"));
    QByteArray errors;
    EXPECT_EQ(runProgram({"--lambda", "900", "--export-csv", csv}, &errors), 2);
    EXPECT_TRUE(errors.startsWith("falorys: --lambda: 900 jest poza zakresem")) << errors.data();
    EXPECT_EQ(
        runProgram({"--export-csv", csv, "--export-png", dir.filePath("brak/o.png")}, &errors), 1);
    EXPECT_TRUE(errors.endsWith(QDir::toNativeSeparators("/brak/o.png").toUtf8() + "”: folder „"
                                + QDir::toNativeSeparators(dir.path() + "/brak").toUtf8()
                                + "” nie istnieje\n"))
        << errors.constData();
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "nothing may be written";
}

TEST(PatternOutput, TheTooltipReadsPositionAndIntensityWithoutDrawing)
{
    TForm1 form;
    showAndPaint(form);
    const QImage before = form.clientImage();
    auto *tip = form.findChild<app::PatternToolTip *>();
    ASSERT_NE(tip, nullptr);
    // The graph's column 150 (x = 30 mm, −3 cm on the printed scale) has its curve point on
    // row 5: 68.5 <= 72 I <= 69.5.
    EXPECT_EQ(tip->textAt({188, 120}),
              QStringLiteral("Położenie na ekranie: x = 0.0 cm\nNatężenie względne: I/I₀ = 1.000"));
    const QString graph = tip->textAt({158, 40});
    EXPECT_TRUE(graph.startsWith(QStringLiteral("Położenie na ekranie: x = −3.0 cm\n")));
    const double intensity = graph.section(u'=', -1).toDouble();
    EXPECT_TRUE(intensity >= 68.5 / 72 && intensity <= 69.5 / 72) << intensity;
    EXPECT_EQ(tip->textAt({368, 143}).section(u'\n', 0, 0),
              QStringLiteral("Położenie na ekranie: x = 18.0 cm"));
    EXPECT_TRUE(tip->textAt({7, 120}).isEmpty() && tip->textAt({188, 144}).isEmpty());

    QHelpEvent event(QEvent::ToolTip, {188, 120}, form.clientArea()->mapToGlobal(QPoint(188, 120)));
    QApplication::sendEvent(form.clientArea(), &event);
    EXPECT_EQ(form.clientImage(), before) << "the tooltip must not draw into the client image";
}

TEST(PatternOutput, NumbersAreWrittenAsStdToCharsWritesThem)
{
    // The CSV's digits come from Qt, as the web build's library lacks std::to_chars(double); here
    // they are held against it over the values the CSV holds and doubles of every magnitude.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> values {0.0, -0.0, 1.0, 100.0, 1e22, 1e21, 123456789.0, 5e-324, 1e-5, 1e-4};
    for (int i = 0; i < 200000; ++i) {
        double wild;
        const std::uint64_t b = bits(random);
        std::memcpy(&wild, &b, sizeof wild);
        if (std::isfinite(wild))
            values.push_back(wild);
        values.push_back(unit(random) * unit(random));
    }
    for (double v : values) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
        ASSERT_EQ(app::shortestText(v), QByteArray(buffer, end - buffer)) << v;
    }
}
