// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayList>
#include <QStringList>

namespace app {

/**
 * The program's arguments, its name first, as the system passed them: on POSIX argv's bytes,
 * on Windows UTF-8 of the wide command line (argv holds the ANSI code page, which turns a "λ"
 * in a file name into "?"). A file name is opened with these very bytes.
 */
QByteArrayList nativeArguments(int argc, char **argv);

/** The same as text, for reading the options, before any application object exists. */
QStringList programArguments(int argc, char **argv);

/**
 * The value of the long option `name` ("export-png") in `arguments` as given, whether as the
 * next argument or after "=": null where it is not there. For an option given once.
 */
QByteArray nativeOptionValue(const QByteArrayList &arguments, QByteArrayView name);

} // namespace app
