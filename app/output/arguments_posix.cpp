// SPDX-License-Identifier: MIT
#include "arguments.h"

#include "file_saving.h"

namespace app {

QStringList programArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fromNativeBytes(argv[i]);
    return arguments;
}

} // namespace app
