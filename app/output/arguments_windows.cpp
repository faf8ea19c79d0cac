// SPDX-License-Identifier: MIT
#include "arguments.h"

#include <windows.h>

#include <shellapi.h>

namespace app {

QByteArrayList nativeArguments(int, char **)
{
    QByteArrayList arguments;
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return arguments;
    for (int i = 0; i < count; ++i)
        arguments << QString::fromWCharArray(wide[i]).toUtf8();
    LocalFree(wide);
    return arguments;
}

} // namespace app
