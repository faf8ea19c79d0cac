// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace windows {

/**
 * The program's arguments, its name first, as the user typed them, before any application
 * object exists. On Windows they come from the wide command line: argv holds them in the ANSI
 * code page, which turns a "λ" in a file name into "?".
 */
QStringList programArguments(int argc, char **argv);

} // namespace windows
