// SPDX-License-Identifier: MIT
#include "arguments.h"

#include <windows.h>

#include <shellapi.h>

namespace app {

QStringList programArguments(int, char **)
{
    QStringList arguments;
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return arguments;
    for (int i = 0; i < count; ++i)
        arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return arguments;
}

} // namespace app
