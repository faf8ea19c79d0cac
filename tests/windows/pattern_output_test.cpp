// SPDX-License-Identifier: MIT
// The pictures and data that leave the program: the real executable's exports, the context
// menu's save actions and the tooltip, each against the window at the same setting.
#include "client_area_menu.h"
#include "intensity.h"
#include "main_window_support.h"
#include "pattern_tool_tip.h"
#include "radio_group.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHelpEvent>
#include <QProcess>
#include <QRadioButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>

using namespace windows_testing;

namespace {

struct Setting
{
    QStringList arguments;
    int suwak1, suwak2, suwak3, suwak_a;
    bool narrow;
};

// Both ends of every range, and one setting between them.
const Setting kSettings[] = {
    {{}, 1, 20, 170, 10, false},
    {{"--lambda", "760", "--d", "0,040", "--L", "2.00", "--a", "10000", "--a-small"},
     381,
     40,
     220,
     100,
     true},
    {{"--lambda", "650", "--d", "0.030", "--L", "1,8", "--a", "5000"}, 271, 30, 200, 50, false},
};

/** Runs the real program with no display at all; returns its exit code. */
int runProgram(const QStringList &arguments, QByteArray *errors = nullptr)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(FALORYS_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << "the program did not end";
    if (errors)
        *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

/** The window at `s`, reached by moving its controls as a user does, painted once. */
void moveTo(TForm1 &form, const Setting &s)
{
    form.suwak1->setValue(s.suwak1);
    form.suwak2->setValue(s.suwak2);
    form.suwak3->setValue(s.suwak3);
    form.suwak_a->setValue(s.suwak_a);
    if (s.narrow)
        clickRadio(form.opcje1->button(1));
    form.clientArea()->invalidate();
    showAndPaint(form);
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void expectSameImage(const QImage &expected, const QString &pngPath)
{
    const QImage png(pngPath);
    ASSERT_EQ(png.size(), expected.size()) << pngPath.toStdString();
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), expected) << pngPath.toStdString();
}

/** Saves through a context-menu action, answering its file dialog with `path`. */
void saveThroughMenu(QAction *action, const QString &path)
{
    QTimer::singleShot(0, [path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no file dialog";
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    action->trigger();
}

} // namespace

TEST(PatternOutput, ExportsAndSaveActionsGiveTheWindowsPixelsAndTheModelsNumbers)
{
    // The exporting program runs on the offscreen platform's own palette: draw with it here too.
    const QPalette fixed = QApplication::palette();
    QApplication::setPalette(QApplication::style()->standardPalette());
    QTemporaryDir dir;
    for (const Setting &s : kSettings) {
        const QString png = dir.filePath(QStringLiteral("cli.png"));
        const QString csv = dir.filePath(QStringLiteral("cli.csv"));
        ASSERT_EQ(runProgram(s.arguments + QStringList {"--export-png", png, "--export-csv", csv}),
                  0);
        TForm1 form;
        moveTo(form, s);
        const QImage &image = form.clientImage();
        expectSameImage(image, png);

        // Each CSV row against the strip's pixels at its column and against the model.
        const QList<QByteArray> lines = contentsOf(csv).split('\n');
        ASSERT_EQ(lines.size(), 363) << "a header, 361 columns and nothing after the last CRLF";
        for (int row = 1; row <= 361; ++row) {
            const QList<QByteArray> f = lines[row].chopped(1).split(',');
            ASSERT_EQ(f.size(), 5) << lines[row].constData();
            const int x = f[0].toInt();
            ASSERT_EQ(x, row - 181);
            const QRgb strip = image.pixel(8 + 180 - x, 105 + row % 39);
            EXPECT_EQ(qRgb(f[2].toInt(), f[3].toInt(), f[4].toInt()), strip) << "x = " << x;
            EXPECT_EQ(std::strtod(f[1].constData(), nullptr),
                      optics::natezenie(form.parameters(), double(x)))
                << "x = " << x;
        }

        // The context menu writes the very same files.
        auto *menu = form.findChild<windows::ClientAreaMenu *>();
        ASSERT_NE(menu, nullptr);
        const QString menuPng = dir.filePath(QStringLiteral("menu.png"));
        const QString menuCsv = dir.filePath(QStringLiteral("menu.csv"));
        saveThroughMenu(menu->saveImageAction(), menuPng);
        saveThroughMenu(menu->saveDataAction(), menuCsv);
        expectSameImage(image, menuPng);
        EXPECT_EQ(contentsOf(menuCsv), contentsOf(csv));
        menu->copyImageAction()->trigger();
        EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), image);
        for (const QString &path : {png, csv, menuPng, menuCsv})
            QFile::remove(path);
    }
    QApplication::setPalette(fixed);
}

TEST(PatternOutput, AWrongCommandLineEndsWithCode2AndWritesNothing)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("obraz.png"));
    const QString csv = dir.filePath(QStringLiteral("dane.csv"));
    QByteArray errors;
    EXPECT_EQ(runProgram({"--lambda", "900", "--export-png", png}, &errors), 2);
    EXPECT_TRUE(errors.startsWith("falorys: --lambda: 900 jest poza zakresem; dozwolone"))
        << errors.constData();
    EXPECT_EQ(
        runProgram({"--export-csv", csv, "--export-png", dir.filePath("brak/obraz.png")}, &errors),
        2);
    EXPECT_TRUE(errors.endsWith("brak/obraz.png”: folder „" + dir.path().toUtf8()
                                + "/brak” nie istnieje\n"))
        << errors.constData();
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "nothing may be written";
}

TEST(PatternOutput, TheTooltipReadsPositionAndIntensityWithoutDrawing)
{
    TForm1 form;
    showAndPaint(form);
    const QImage before = form.clientImage();
    auto *tip = form.findChild<windows::PatternToolTip *>();
    ASSERT_NE(tip, nullptr);
    // The centre column of the strip, and column 150 of the graph (x = 30 mm): at the start
    // setting its curve point lies on row 5, so 68.5 <= 72 I <= 69.5.
    EXPECT_EQ(tip->textAt({188, 120}),
              QStringLiteral("Położenie na ekranie: x = 0.0 cm\nNatężenie względne: I/I₀ = 1.000"));
    const QString graph = tip->textAt({158, 40});
    EXPECT_TRUE(graph.startsWith(QStringLiteral("Położenie na ekranie: x = 3.0 cm\n")));
    const double intensity = graph.section(u'=', -1).toDouble();
    EXPECT_TRUE(intensity >= 68.5 / 72 && intensity <= 69.5 / 72) << intensity;
    EXPECT_EQ(tip->textAt({368, 143}).section(u'\n', 0, 0),
              QStringLiteral("Położenie na ekranie: x = −18.0 cm"));
    for (QPoint outside : {QPoint(7, 120), QPoint(188, 144), QPoint(188, 95), QPoint(400, 40)})
        EXPECT_TRUE(tip->textAt(outside).isEmpty()) << outside.x() << ", " << outside.y();

    QHelpEvent event(QEvent::ToolTip, {188, 120}, form.clientArea()->mapToGlobal(QPoint(188, 120)));
    QApplication::sendEvent(form.clientArea(), &event);
    EXPECT_EQ(form.clientImage(), before) << "the tooltip must not draw into the client image";
}
