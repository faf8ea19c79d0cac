// SPDX-License-Identifier: MIT
#include "arguments.h"

namespace app {

QByteArrayList nativeArguments(int argc, char **argv)
{
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    return arguments;
}

} // namespace app
