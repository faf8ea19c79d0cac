// SPDX-License-Identifier: MIT
#include "console.h"

#include <windows.h>

namespace windows {

namespace {

/** Writes to a console as UTF-16, so that Polish letters survive any console code page. */
bool writeConsole(HANDLE console, const QString &text)
{
    DWORD written = 0;
    return WriteConsoleW(console, reinterpret_cast<const wchar_t *>(text.utf16()),
                         DWORD(text.size()), &written, nullptr);
}

/** Writes to the handle the program was given: a console, or a file or pipe (in UTF-8). */
bool writeHandle(HANDLE handle, const QString &text)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD mode = 0;
    if (GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode))
        return writeConsole(handle, text);
    const QByteArray bytes = text.toUtf8();
    DWORD written = 0;
    return WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr)
        && written == DWORD(bytes.size());
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

void tellUser(TextStream stream, const QString &text)
{
    const bool error = stream == TextStream::Error;
    if (writeHandle(GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), text)
        || writeParentConsole(text))
        return;
    // Started from Explorer or a shortcut: nowhere to write but the screen.
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()), L"Falorys",
                MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
}

} // namespace windows
