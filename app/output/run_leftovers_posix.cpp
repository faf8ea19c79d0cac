// SPDX-License-Identifier: MIT
// Ending a run with nothing left behind, with the POSIX calls: what a signal handler may do.
#include "run_leftovers.h"

#include "language.h"
#include "leftover_paths.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace app {

namespace {

// Where a signal handler may read them: each signal's line, made beforehand in the spoken
// language.
char signalLines[NSIG][256];
// Where endRun() writes its line: stderr, or what stands for it while that is quiet.
volatile sig_atomic_t errorOutput = STDERR_FILENO;
bool endsCleanly = false;

const int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};
const int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGABRT, SIGILL, SIGFPE, SIGTRAP};

const char *nameOf(int signal)
{
    static const std::pair<int, const char *> names[] = {
        {SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"},
        {SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"}, {SIGABRT, "SIGABRT"},
        {SIGILL, "SIGILL"},   {SIGFPE, "SIGFPE"}, {SIGTRAP, "SIGTRAP"},
    };
    for (const auto &[number, name] : names) {
        if (number == signal)
            return name;
    }
    return "?";
}

void prepareLine(int signal, const QString &line)
{
    qstrncpy(signalLines[signal], (QStringLiteral("falorys: ") + line + u'\n').toUtf8().constData(),
             sizeof signalLines[signal]);
}

extern "C" void endOnSignal(int signal)
{
    endRun(signalLines[signal]);
}

} // namespace

void endCleanlyOnSignals()
{
    // Qt needs a few files of its own to start at all, and would end with words of its own.
    constexpr rlim_t kFewestFiles = 8;
    struct rlimit files;
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < kFewestFiles) {
        prepareLine(0,
                    translate("Ending",
                              "za mało dozwolonych otwartych plików (ulimit -n %1, "
                              "potrzeba co najmniej %2); nic nie zapisano")
                        .arg(files.rlim_cur)
                        .arg(kFewestFiles));
        endRun(signalLines[0]);
    }
    std::signal(SIGXFSZ, SIG_IGN);
    // A stack of its own, so that even a stack overflow is told.
    static char stack[64 * 1024];
    const stack_t alternate {stack, 0, sizeof stack};
    sigaltstack(&alternate, nullptr);
    struct rlimit memory;
    const bool limited = ::getrlimit(RLIMIT_AS, &memory) == 0 && memory.rlim_cur != RLIM_INFINITY;
    struct sigaction action = {};
    action.sa_handler = endOnSignal;
    action.sa_flags = SA_ONSTACK;
    sigfillset(&action.sa_mask);
    for (const int signal : kEndingSignals) {
        prepareLine(signal,
                    translate("Ending", "przerwano sygnałem %1; nic nie zapisano")
                        .arg(QLatin1String(nameOf(signal))));
        struct sigaction before;
        // One the starting shell ignores (nohup) stays ignored.
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            sigaction(signal, &action, nullptr);
    }
    for (const int signal : kCrashSignals) {
        if (limited)
            prepareLine(
                signal,
                translate("Ending", "zabrakło pamięci (ulimit -v %1 MB, %2); nic nie zapisano")
                    .arg(memory.rlim_cur >> 20)
                    .arg(QLatin1String(nameOf(signal))));
        else
            prepareLine(signal,
                        translate("Ending", "błąd programu (%1); nic nie zapisano")
                            .arg(QLatin1String(nameOf(signal))));
        sigaction(signal, &action, nullptr);
    }
    endsCleanly = true;
}

void holdEndingSignals()
{
    if (!endsCleanly)
        return;
    sigset_t ending;
    sigemptyset(&ending);
    for (const int signal : kEndingSignals)
        sigaddset(&ending, signal);
    sigprocmask(SIG_BLOCK, &ending, nullptr);
}

void endRun(const char *line)
{
    for (const char *path : leftoverPaths) {
        if (path[0] != 0 && ::unlink(path) != 0)
            ::rmdir(path);
    }
    [[maybe_unused]] const ssize_t told = ::write(errorOutput, line, std::strlen(line));
    ::_exit(1);
}

QuietStandardError::QuietStandardError()
{
    const int saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved >= 0 && null >= 0 && ::dup2(null, STDERR_FILENO) == STDERR_FILENO)
        errorOutput = m_saved = saved;
    else if (saved >= 0)
        ::close(saved);
    if (null >= 0)
        ::close(null);
}

QuietStandardError::~QuietStandardError()
{
    if (m_saved < 0)
        return;
    ::dup2(m_saved, STDERR_FILENO);
    errorOutput = STDERR_FILENO;
    ::close(m_saved);
}

RuntimeFolderForRun::RuntimeFolderForRun(bool makeOwn)
{
    const auto usable = [](const QByteArray &folder) {
        struct stat st;
        return folder.startsWith('/') && ::lstat(folder.constData(), &st) == 0
            && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0700;
    };
    if (usable(qgetenv("XDG_RUNTIME_DIR")))
        return;
    const QByteArray own = "/run/user/" + QByteArray::number(::geteuid());
    if (usable(own)) {
        qputenv("XDG_RUNTIME_DIR", own);
        return;
    }
    QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/falorys-XXXXXX";
    if (makeOwn && ::mkdtemp(folder.data())) {
        m_made = folder;
        m_leftover.emplace(m_made);
        qputenv("XDG_RUNTIME_DIR", m_made);
    }
}

RuntimeFolderForRun::~RuntimeFolderForRun()
{
    removeMade();
}

void RuntimeFolderForRun::removeMade()
{
    m_leftover.reset();
    if (!m_made.isEmpty())
        QDir(QFile::decodeName(std::exchange(m_made, {}))).removeRecursively();
}

} // namespace app
