// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace app {

/**
 * The program's arguments, its name first, as the user typed them, before any application
 * object exists. A file name keeps its bytes, even those that are not UTF-8 (see
 * fromNativeBytes); on Windows they come from the wide command line, as argv holds them in the
 * ANSI code page, which turns a "λ" in a file name into "?".
 */
QStringList programArguments(int argc, char **argv);

} // namespace app
