// SPDX-License-Identifier: MIT
// Exports the program refuses, set up with the POSIX tools: named pipes, symbolic links, devices,
// another user's link in a sticky folder, a full disk.
#include "client_area_menu.h"
#include "file_saving.h"
#include "main_window_support.h"
#include "program_run.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <span>
#include <unistd.h>

using namespace app_testing;

namespace {

/** Every entry under `folder`: its kind, its permissions and, for a file, its bytes. */
std::map<std::string, std::string> snapshot(const QString &folder)
{
    namespace fs = std::filesystem;
    std::map<std::string, std::string> entries;
    std::error_code ec; // a loop of links is an entry like any other
    for (fs::recursive_directory_iterator it(folder.toStdString(), ec), end; it != end;
         it.increment(ec)) {
        const fs::file_status status = it->symlink_status(ec);
        entries[it->path()] = std::to_string(int(status.type())) + ' '
            + std::to_string(int(status.permissions())) + ' '
            + (status.type() == fs::file_type::regular
                   ? contentsOf(QString::fromStdString(it->path())).toStdString()
                   : std::string());
    }
    return entries;
}

/** A refused export: what the shell command `setUp` made in an empty folder stays as it was. */
struct Refusal
{
    const char *setUp;
    QStringList arguments;
    const char *to; ///< the standard output's file; a pipe if none
    int code;
    QByteArray says; ///< the start of the one line on stderr
    const char *cleanUp = "true";
};

void expectRefusals(std::span<const Refusal> cases)
{
    for (const Refusal &c : cases) {
        QTemporaryDir dir;
        const QByteArray inDir = "cd '" + dir.path().toUtf8() + "' && ";
        ASSERT_EQ(std::system((inDir + c.setUp).constData()), 0) << c.setUp;
        const auto before = snapshot(dir.path());
        QByteArray errors;
        const QStringList &arguments = c.arguments;
        EXPECT_EQ(runProgram(arguments, &errors, dir.path(), nullptr, c.to), c.code) << c.setUp;
        EXPECT_TRUE(errors.startsWith(c.says) && errors.count('\n') == 1) << errors.constData();
        EXPECT_EQ(snapshot(dir.path()), before) << c.setUp << ": something was made or changed";
        EXPECT_EQ(std::system((inDir + c.cleanUp).constData()), 0) << c.cleanUp;
    }
}

} // namespace

TEST(PatternOutput, ExportRefusalsSayWhyWithTheirExitCodeAndChangeNothing)
{
    const QByteArray full = "nie można zapisać na standardowe wyjście: brak miejsca na dysku\n";
    const Refusal cases[] = {
        {"mkfifo f",
         {"--export-png", "f"},
         nullptr,
         1,
         "falorys: --export-png: nie można zapisać pliku „f”: to potok nazwany (FIFO), a nie"},
        {"ln -s l2 l1 && ln -s l1 l2",
         {"--export-csv", "l1"},
         nullptr,
         1,
         "falorys: --export-csv: nie można zapisać pliku „l1”: dowiązania symboliczne na "
         "ścieżce „l1” tworzą pętlę"},
        {"true",
         {"--export-png", "x", "--export-csv", "./x"},
         nullptr,
         2,
         "falorys: --export-png i --export-csv wskazują ten sam plik („x” i „./x”)"},
        {"mkdir a",
         {"--export-png", "x", "--export-csv", "a/../x"},
         nullptr,
         2,
         "falorys: --export-png i --export-csv wskazują ten sam plik"},
        {"echo x > x && ln -s x y",
         {"--export-png", "x", "--export-csv", "y"},
         nullptr,
         2,
         "falorys: --export-png i --export-csv wskazują ten sam plik"},
        {"true", {"--export-csv", "-"}, "/dev/full", 1, "falorys: --export-csv: " + full},
        {"true", {"--help"}, "/dev/full", 1, "falorys: " + full},
        {"true", {"--version"}, "/dev/full", 1, "falorys: " + full},
    };
    expectRefusals(cases);

    // To a pipe: the bytes the file gets, and not a word more.
    QTemporaryDir dir;
    QByteArray errors;
    QByteArray output;
    EXPECT_EQ(
        runProgram({"--export-csv", "-", "--export-png", "p.png"}, &errors, dir.path(), &output),
        0);
    EXPECT_EQ(errors, QByteArray());
    EXPECT_EQ(runProgram({"--export-csv", "p.csv"}, &errors, dir.path()), 0);
    EXPECT_EQ(output, contentsOf(dir.filePath(QStringLiteral("p.csv"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList {"p.csv", "p.png"}));

    // The save dialog refuses the same before asking to replace, the reason in its message box,
    // and comes back.
    const QString fifo = dir.filePath(QStringLiteral("f.csv"));
    ASSERT_EQ(std::system(("mkfifo '" + fifo.toUtf8() + "'").constData()), 0);
    TForm1 form;
    showAndPaint(form);
    QString reason;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(fifo);
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            reason = box->informativeText();
            box->accept();
            QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        });
        static_cast<QDialog *>(dialog)->accept();
    });
    form.findChild<app::ClientAreaMenu *>()->saveDataAction()->trigger();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !reason.isEmpty() && !QApplication::activeModalWidget(); }));
    EXPECT_EQ(reason,
              QStringLiteral("Przyczyna: to potok nazwany (FIFO), a nie zwykły plik. Nic "
                             "nie zostało zapisane."));
}

TEST(PatternOutput, ExportRefusalsOnlyRootCanSetUp)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "a device, another user's link and a full disk are made by root only";
    ASSERT_EQ(std::system("id falorys-test >/dev/null 2>&1 || useradd -M -r falorys-test"), 0);
    const Refusal cases[] = {
        {"mknod d c 1 3",
         {"--export-csv", "d"},
         nullptr,
         1,
         "falorys: --export-csv: nie można zapisać pliku „d”: to urządzenie, a nie zwykły plik"},
        {"mkdir -m 1777 s && echo v > v && ln -s ../v s/l && chown -h falorys-test s/l",
         {"--export-png", "s/l"},
         nullptr,
         1,
         "falorys: --export-png: nie można zapisać pliku „s/l”: „s/l” to dowiązanie symboliczne "
         "innego użytkownika w folderze, do którego każdy może pisać"},
        {"mkdir m && mount -t tmpfs -o size=4k tmpfs m",
         {"--export-csv", "m/p.csv"},
         nullptr,
         1,
         "falorys: --export-csv: nie można zapisać pliku „m/p.csv”: brak miejsca na dysku\n",
         "umount m"},
    };
    expectRefusals(cases);
    EXPECT_EQ(std::system("userdel falorys-test"), 0);
}

TEST(FileSaving, AReplacedFileKeepsItsModeAndANameItsBytes)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plik"));
    const app::FileContent longer {plain, QByteArray(100000, 'x')};
    ASSERT_FALSE(app::saveWhole({&longer, 1}).has_value());
    // A replaced file keeps who may read it; a name keeps its bytes, UTF-8 or not (an invalid
    // byte, a surrogate's encoding, an overlong form).
    namespace fs = std::filesystem;
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(plain.toStdString(), mode);
    ASSERT_FALSE(app::saveWhole({&longer, 1}).has_value());
    EXPECT_EQ(fs::status(plain.toStdString()).permissions(), mode);
    for (const QByteArray name : {"\xff\xfe.csv", "caf\xc3\xa9", "\xed\xb2\x80", "\xc0\xaf"}) {
        EXPECT_EQ(app::nativeBytes(app::fromNativeBytes(name)), name);
        const app::FileContent file {dir.path() + u'/' + app::fromNativeBytes(name), "x"};
        ASSERT_FALSE(app::saveWhole({&file, 1}).has_value());
        EXPECT_TRUE(fs::exists(dir.path().toStdString() + '/' + name.toStdString())) << name.data();
    }
    fs::remove_all(dir.path().toStdString()); // names Qt cannot spell
}
