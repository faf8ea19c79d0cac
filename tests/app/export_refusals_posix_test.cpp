// SPDX-License-Identifier: MIT
// Exports the program refuses, set up with the POSIX tools: named pipes, symbolic links, devices,
// another user's link in a sticky folder, a full disk.
#include "client_area_menu.h"
#include "file_saving.h"
#include "main_window_support.h"
#include "program_run.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <span>
#include <sys/wait.h>
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

/** The first line `command` prints. */
QByteArray shellOutput(const QByteArray &command)
{
    QProcess shell;
    shell.start(QStringLiteral("bash"), {QStringLiteral("-c"), QString::fromUtf8(command)});
    shell.waitForFinished();
    return shell.readAllStandardOutput().trimmed();
}

/**
 * A run of the program by a bash command in an empty folder, as `$F`, with no display and
 * TMPDIR an empty folder: its exit code (-1: 0, or 1 with a line that starts as `says`) and
 * what it says on stderr, nothing or one line that starts so; `check`, a bash command, holds
 * afterwards, and no temporary file or runtime folder is left.
 */
struct ShellRun
{
    const char *command;
    int code;
    QByteArray says;
    const char *check = "true";
};

#ifdef __SANITIZE_ADDRESS__
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

void expectRuns(std::span<const ShellRun> runs)
{
    for (const ShellRun &r : runs) {
        // The sanitizer's shadow memory and larger program need more address space than the
        // memory limits tried leave, and its checks files of their own that the file limits
        // take: those runs say something only of the plain build.
        const QByteArrayView command(r.command);
        if (kSanitized && (command.startsWith("ulimit -v") || command.startsWith("ulimit -n")))
            continue;
        QTemporaryDir dir;
        QTemporaryDir scratch;
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("TMPDIR"), scratch.path());
        environment.insert(QStringLiteral("F"), QStringLiteral(FALORYS_EXECUTABLE));
        // A run short of memory that finds fontconfig's cache of a folder out of date writes
        // down what it managed to read, often nothing: into a cache of its own, not the machine's.
        QTemporaryDir fontCache;
        QFile fonts(fontCache.filePath(QStringLiteral("fonts.conf")));
        EXPECT_TRUE(fonts.open(QIODevice::WriteOnly));
        fonts.write("<fontconfig><cachedir>" + fontCache.path().toUtf8()
                    + "</cachedir><include>/etc/fonts/fonts.conf</include></fontconfig>");
        fonts.close();
        environment.insert(QStringLiteral("FONTCONFIG_FILE"), fonts.fileName());
        shell.setProcessEnvironment(environment);
        shell.setWorkingDirectory(dir.path());
        shell.start(QStringLiteral("bash"), {QStringLiteral("-c"), QString::fromUtf8(r.command)});
        EXPECT_TRUE(shell.waitForFinished(30000)) << r.command << ": did not end";
        const QByteArray errors = shell.readAllStandardError();
        const int code = shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -2;
        const bool either = r.code == -1 && (code == 0 || code == 1);
        EXPECT_TRUE(code == r.code || either) << r.command << ": exit code " << code;
        if (r.says.isEmpty() || code == 0) {
            EXPECT_EQ(errors, QByteArray()) << r.command;
        } else {
            EXPECT_TRUE(errors.startsWith(r.says) && errors.count('\n') == 1)
                << r.command << ": " << errors.constData();
        }
        shell.start(QStringLiteral("bash"), {QStringLiteral("-c"), QString::fromUtf8(r.check)});
        EXPECT_TRUE(shell.waitForFinished() && shell.exitCode() == 0)
            << r.command << ": " << r.check;
        EXPECT_TRUE(
            QDir(dir.path()).entryList({".falorys-*"}, QDir::Hidden | QDir::Files).isEmpty())
            << r.command << ": a temporary file is left";
        EXPECT_TRUE(QDir(scratch.path()).isEmpty()) << r.command << ": a runtime folder is left";
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
    // and comes back; a name typed whole is judged as typed, not given the extension.
    const QString fifo = dir.filePath(QStringLiteral("f.csv"));
    ASSERT_EQ(std::system(("mkfifo '" + fifo.toUtf8() + "'").constData()), 0);
    TForm1 form;
    showAndPaint(form);
    auto *menu = form.findChild<app::ClientAreaMenu *>();
    const std::tuple<QAction *, QString, const char *> typed[] = {
        {menu->saveDataAction(), fifo, "to potok nazwany (FIFO), a nie zwykły plik"},
        {menu->saveImageAction(), QStringLiteral("/dev/null"), "to urządzenie, a nie zwykły plik"},
    };
    for (const auto &[action, path, says] : typed) {
        QString reason;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(path);
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                reason = box->informativeText();
                box->accept();
                QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
            });
            static_cast<QDialog *>(dialog)->accept();
        });
        action->trigger();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !reason.isEmpty() && !QApplication::activeModalWidget(); }));
        EXPECT_EQ(reason,
                  QStringLiteral("Przyczyna: %1. Nic nie zostało zapisane.")
                      .arg(QString::fromUtf8(says)));
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("/dev/null.png")));
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

TEST(FileSaving, AReplacedFileKeepsItsOwnerGroupModeAndOtherNames)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "other users' files are made by root only";
    ASSERT_EQ(std::system("getent group falorys-g >/dev/null || groupadd -r falorys-g; "
                          "for u in falorys-a falorys-b; do id $u >/dev/null 2>&1 || "
                          "useradd -M -r -G falorys-g $u; done"),
              0);
    struct Case
    {
        const char *setUp; ///< makes f (in a folder) before the export
        const char *user; ///< who exports over it
        const char *path;
        const char *ownerGroupMode; ///< of the file afterwards
        bool inPlace; ///< the same file (inode) afterwards, not a new one
    };
    const Case cases[] = {
        // Root over a user's private file: the user can still read it.
        {"echo old > f && chown falorys-a:falorys-a f && chmod 600 f", "root", "f",
         "falorys-a:falorys-a 600", false},
        {"echo old > f && chmod 2755 f", "root", "f", "root:root 2755", false},
        // A group member over another's file in a shared folder: the owner keeps it.
        {"mkdir -m 2775 s && chgrp falorys-g s && echo old > s/f && chown falorys-a:falorys-g s/f "
         "&& chmod 664 s/f",
         "falorys-b", "s/f", "falorys-a:falorys-g 664", true},
        // A second name of the file sees the new bytes too.
        {"echo old > f && ln f g", "root", "f", "root:root 644", true},
        // A file its user may write in a folder they may not.
        {"mkdir r && echo old > r/f && chmod 666 r/f", "falorys-b", "r/f", "root:root 666", true},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QByteArray inDir = "cd '" + dir.path().toUtf8() + "' && chmod 755 . && umask 022 && ";
        ASSERT_EQ(std::system((inDir + c.setUp).constData()), 0) << c.setUp;
        const QByteArray stat = inDir + "stat -c '%U:%G %a %i' " + c.path;
        const QString before = QString::fromUtf8(shellOutput(stat));
        const QByteArray run = inDir + "setpriv --reuid=" + c.user + " --regid=" + c.user
            + " --init-groups " + FALORYS_EXECUTABLE + " --export-csv " + c.path;
        EXPECT_EQ(std::system(run.constData()), 0) << c.setUp;
        const QString after = QString::fromUtf8(shellOutput(stat));
        EXPECT_EQ(after.section(u' ', 0, 1), QString::fromUtf8(c.ownerGroupMode)) << c.setUp;
        EXPECT_EQ(after.section(u' ', 2) == before.section(u' ', 2), c.inPlace) << c.setUp;
        const QByteArray written = contentsOf(dir.filePath(QString::fromUtf8(c.path)));
        EXPECT_TRUE(written.startsWith("x [mm]") && written.count('\n') == 362) << c.setUp;
        if (QFile::exists(dir.filePath(QStringLiteral("g")))) {
            EXPECT_EQ(contentsOf(dir.filePath(QStringLiteral("g"))), written);
        }
    }
    EXPECT_EQ(std::system("userdel falorys-a && userdel falorys-b && groupdel falorys-g"), 0);
}

TEST(PatternOutput, BothExportsNeverReachOneFileUnnoticed)
{
    const QByteArray same = "falorys: --export-png i --export-csv wskazują ten sam plik";
    const ShellRun runs[] = {
        {"$F --export-png - --export-csv o.csv > o.csv", 2, same, "[ ! -s o.csv ]"},
        {"$F --export-png - --export-csv /dev/stdout | cat; exit ${PIPESTATUS[0]}", 2, same},
        {"$F --export-png - --export-csv /proc/self/fd/1 > o.csv", 2, same, "[ ! -s o.csv ]"},
        // A path that names a pipe on the standard output is written as "-" would be.
        {"$F --export-csv /dev/stdout | cat > o.csv; exit ${PIPESTATUS[0]}",
         0,
         {},
         "[ $(wc -l < o.csv) = 362 ]"},
        {"$F --export-png o.png --export-csv /proc/self/fd/1 | cat > o.csv; exit ${PIPESTATUS[0]}",
         0,
         {},
         "cmp o.csv <($F --export-csv -) && [ -s o.png ]"},
    };
    expectRuns(runs);
}

TEST(PatternOutput, SignalsAndLimitsEndWithOneLineAndLeaveNothing)
{
    // A signal while the standard output, a pipe of one page that nobody reads, holds the run
    // up with the CSV written to its temporary file.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QTemporaryDir dir;
        int out[2];
        ASSERT_EQ(::pipe(out), 0);
        ::fcntl(out[1], F_SETPIPE_SZ, 4096);
        const QString errors = dir.filePath(QStringLiteral("errors"));
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(::open(errors.toUtf8().constData(), O_WRONLY | O_CREAT, 0600), STDERR_FILENO);
            ::chdir(dir.path().toUtf8().constData());
            ::execl(FALORYS_EXECUTABLE, "falorys", "--export-png", "-", "--export-csv", "d.csv",
                    nullptr);
            ::_exit(127);
        }
        ::close(out[1]);
        for (int i = 0; i < 3000
             && QDir(dir.path()).entryList({".falorys-*"}, QDir::Hidden | QDir::Files).isEmpty();
             ++i)
            ::usleep(10000);
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(out[0]);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << signal << ": " << status;
        EXPECT_EQ(contentsOf(errors),
                  "falorys: przerwano sygnałem SIG" + QByteArray(sigabbrev_np(signal))
                      + "; nic nie zapisano\n");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot),
                  QStringList {QStringLiteral("errors")});
    }
    // Files whole or none at all; a run that cannot go on says so and ends.
    const char *wholeOrNone = "[ -z \"$(ls)\" ] || [ $(wc -l < a.csv) = 362 -a -s a.png ]";
    const ShellRun runs[] = {
        {"ulimit -f 4; $F --export-png a.png --export-csv a.csv", 1,
         "falorys: --export-png: nie można zapisać pliku „a.png”: plik przekroczyłby dozwolony "
         "rozmiar plików (ulimit -f)",
         "[ -z \"$(ls)\" ]"},
        {"ulimit -v 81920; $F --export-png a.png --export-csv a.csv", -1, "falorys: ", wholeOrNone},
        // fontconfig short of memory as it reads its configuration, which the carried faces need
        {"ulimit -v 86016; $F --export-png a.png --export-csv a.csv", -1, "falorys: ", wholeOrNone},
        {"ulimit -v 92160; $F --export-png a.png --export-csv a.csv", -1, "falorys: ", wholeOrNone},
        {"ulimit -n 5; $F --export-png a.png --export-csv a.csv", -1, "falorys: ", wholeOrNone},
        // Made beforehand, the last line speaks the program's language too.
        {"ulimit -n 5; $F --lang en --export-csv a.csv", 1,
         "falorys: too few open files allowed (ulimit -n 5, at least 8 needed); nothing was "
         "written\n",
         "[ -z \"$(ls)\" ]"},
    };
    expectRuns(runs);
}

TEST(PatternOutput, EveryFailureSaysItsCauseInPolishOnOneLine)
{
    const QByteArray file = "falorys: --export-csv: nie można zapisać pliku ";
    const ShellRun runs[] = {
        {"$F --export-csv /proc/sys/kernel/hostname", 1,
         file
             + "„/proc/sys/kernel/hostname”: to plik jądra systemu (/proc, /sys), a nie zwykły "
               "plik\n"},
        {"$F --export-csv - >&-", 1,
         "falorys: --export-csv: nie można zapisać na standardowe wyjście: wyjście jest zamknięte"},
        {"(sleep 0.3; exec $F --help) | true; exit ${PIPESTATUS[0]}", 1,
         "falorys: nie można zapisać na standardowe wyjście: odbiorca danych zakończył pracę"},
        // A name is the bytes it came in; shown, a control character or a byte that is not
        // UTF-8 is written out.
        {"$F --export-csv $'\\xff.csv'", 0, {}, "[ -s $'\\xff.csv' ]"},
        {"$F --export-csv $'a\\x1b\\nb/c.csv'", 1,
         file + "„a\\x1b\\nb/c.csv”: folder „a\\x1b\\nb” nie istnieje\n"},
        {"$F --export-csv $'\\xffb/c.csv'", 1,
         file + "„\\xffb/c.csv”: folder „\\xffb” nie istnieje\n"},
        // Runtime folders Qt would complain about in English.
        {"mkdir -m 777 r && XDG_RUNTIME_DIR=$PWD/r $F --export-csv a.csv", 0, {}},
        {"mkdir -m 700 r && chown nobody r && XDG_RUNTIME_DIR=$PWD/r $F --export-csv a.csv", 0, {}},
        {"QT_QPA_PLATFORM=none $F", 1,
         "falorys: nie można uruchomić okien: wtyczki platformy Qt „none” nie da się wczytać\n"},
    };
    expectRuns(runs);
}
