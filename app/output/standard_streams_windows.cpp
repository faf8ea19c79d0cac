// SPDX-License-Identifier: MIT
#include "standard_streams.h"

#include "windows_calls.h"

#include <windows.h>

#include <cerrno>

namespace app {

namespace {

HANDLE standardHandle(StandardStream stream)
{
    const HANDLE handle =
        GetStdHandle(stream == StandardStream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode);
}

/** Writes to a console as UTF-16, so that Polish letters survive any console code page. */
bool writeConsole(HANDLE console, const QString &text)
{
    DWORD written = 0;
    return WriteConsoleW(console, reinterpret_cast<const wchar_t *>(text.utf16()),
                         DWORD(text.size()), &written, nullptr);
}

/** The console of the command prompt or PowerShell that started the program, if any. */
bool writeParentConsole(const QString &text)
{
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return false;
    // The prompt has printed itself already: the program does not hold the console. Start on
    // a line of its own.
    const bool written = writeConsole(console, u'\n' + text);
    CloseHandle(console);
    return written;
}

} // namespace

// Windows hands a program no stream number to reuse, and no signal for a closed pipe.
void keepStandardStreamsOpen() { }

int writeStandardStream(StandardStream stream, const QByteArray &bytes)
{
    const HANDLE handle = standardHandle(stream);
    if (!handle)
        return EBADF;
    // A console shows text; a file or a pipe takes the bytes as they are, no line ends added.
    if (isConsole(handle))
        return writeConsole(handle, QString::fromUtf8(bytes)) ? 0 : lastErrorNumber();
    return writeAllTo(handle, bytes);
}

int tellUser(StandardStream stream, const QString &text)
{
    const HANDLE handle = standardHandle(stream);
    if (handle && isConsole(handle))
        return writeConsole(handle, text) ? 0 : lastErrorNumber();
    if (handle && GetFileType(handle) != FILE_TYPE_UNKNOWN)
        return writeAllTo(handle, text.toUtf8());
    if (writeParentConsole(text))
        return 0;
    // Started from Explorer or a shortcut: nowhere to write but the screen.
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()), L"Falorys",
                MB_OK | (stream == StandardStream::Error ? MB_ICONERROR : MB_ICONINFORMATION));
    return 0;
}

} // namespace app
