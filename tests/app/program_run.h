// SPDX-License-Identifier: MIT
// Running the real program in a scratch folder, as the export tests do.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace app_testing {

/**
 * Runs the real program in `folder` with no display and no runtime folder, its temporary and
 * home folders an empty one that must stay empty; its exit code and what it wrote to stderr
 * (and to stdout, unless that is the file `output`).
 */
inline int runProgram(const QStringList &arguments, QByteArray *errors = nullptr,
                      const QString &folder = {}, QByteArray *output = nullptr,
                      const QString &to = {})
{
    QTemporaryDir scratch;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("TMPDIR"), scratch.path());
    environment.insert(QStringLiteral("HOME"), scratch.path());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    if (!to.isEmpty())
        process.setStandardOutputFile(to);
    QStringList given = arguments;
#ifdef Q_OS_WIN
    // Wine's Windows speaks English; the program is held to the Polish one unless told.
    if (!given.join(u' ').contains(QStringLiteral("--lang")))
        given.prepend(QStringLiteral("--lang=pl"));
#endif
    process.start(QStringLiteral(FALORYS_EXECUTABLE), given);
    EXPECT_TRUE(process.waitForFinished(20000)) << "the program did not end";
    if (errors)
        *errors = process.readAllStandardError();
    if (output)
        *output = process.readAllStandardOutput();
    EXPECT_TRUE(QDir(scratch.path()).isEmpty()) << "it left something behind";
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

inline QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace app_testing
