// SPDX-License-Identifier: MIT
// Ending a run with nothing left behind on Windows. Ctrl+C, Ctrl+Break and the console's
// closing come to a program attached to a console (and under Wine, SIGINT as Ctrl+C) as a call
// on a thread of the system's while the program's own thread goes on: that thread is stopped
// first, so that it makes no file once the leftovers are gone, and nothing it may hold (the
// heap's lock) is used after.
#include "run_leftovers.h"

#include "language.h"
#include "leftover_paths.h"
#include "standard_streams.h"

#include <QString>

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace app {

namespace {

// Running, then Held (the files are being committed) or Ending (by a console's event).
enum Phase { Running, Held, Ending };
std::atomic<int> phase {Running};
HANDLE programThread = nullptr;
// Each event's line, made beforehand in the spoken language: Ctrl+C, Ctrl+Break, a closed console.
std::wstring eventLines[3];

void removeLeftovers()
{
    for (const char *path : leftoverPaths) {
        wchar_t name[std::size(leftoverPaths[0])];
        if (path[0] != 0 && MultiByteToWideChar(CP_UTF8, 0, path, -1, name, int(std::size(name)))
            && !DeleteFileW(name))
            RemoveDirectoryW(name);
    }
}

/** Writes `line` on stderr without the heap: UTF-16 to a console, UTF-8 to a file or pipe. */
void tellWithoutHeap(const wchar_t *line)
{
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(error, &mode)) {
        WriteConsoleW(error, line, DWORD(std::wcslen(line)), &written, nullptr);
        return;
    }
    char bytes[256];
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, line, -1, bytes, sizeof bytes, nullptr, nullptr);
    if (size > 1)
        WriteFile(error, bytes, DWORD(size - 1), &written, nullptr);
}

BOOL WINAPI endOnConsoleEvent(DWORD event)
{
    // Committing, or ended already: the run ends by itself (a closed console's after 5 s).
    int expected = Running;
    if (!phase.compare_exchange_strong(expected, Ending))
        Sleep(INFINITE);
    SuspendThread(programThread);
    CONTEXT context = {};
    context.ContextFlags = CONTEXT_CONTROL;
    GetThreadContext(programThread, &context); // returns once the thread has stopped
    removeLeftovers();
    tellWithoutHeap(eventLines[event == CTRL_C_EVENT           ? 0
                                   : event == CTRL_BREAK_EVENT ? 1
                                                               : 2]
                        .c_str());
    TerminateProcess(GetCurrentProcess(), 1);
    return TRUE;
}

} // namespace

void endCleanlyOnSignals()
{
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &programThread, 0,
                    FALSE, DUPLICATE_SAME_ACCESS);
    const QString lines[] = {
        translate("Ending", "przerwano (Ctrl+C); nic nie zapisano"),
        translate("Ending", "przerwano (Ctrl+Break); nic nie zapisano"),
        translate("Ending", "przerwano, bo zamknięto konsolę; nic nie zapisano"),
    };
    for (int i = 0; i < 3; ++i)
        eventLines[i] = (QStringLiteral("falorys: ") + lines[i] + u'\n').toStdWString();
    SetConsoleCtrlHandler(endOnConsoleEvent, TRUE);
}

void holdEndingSignals()
{
    // An event being handled ends the run from its own thread.
    int expected = Running;
    if (!phase.compare_exchange_strong(expected, Held) && expected == Ending)
        Sleep(INFINITE);
}

void endRun(const char *line)
{
    removeLeftovers();
    tellUser(StandardStream::Error, QString::fromUtf8(line));
    std::_Exit(1);
}

} // namespace app
