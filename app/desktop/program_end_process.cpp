// SPDX-License-Identifier: MIT
#include "program_end.h"

#include <QCoreApplication>

namespace app {

void endProgram(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

} // namespace app
