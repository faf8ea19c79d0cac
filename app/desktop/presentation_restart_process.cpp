// SPDX-License-Identifier: MIT
// Linux and Windows: a new size is a new process.
#include "presentation_scale.h"

#include "language.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

namespace app {

bool restartAtScale(int factor, const QStringList &arguments, const RestartState &state)
{
    QStringList next = arguments;
    // The same language, whichever chose it.
    next << QStringLiteral("--scale") << QString::number(factor) << QStringLiteral("--lang")
         << languageCode(spokenLanguage());
    QStringList values;
    for (int position : state.setting.positions)
        values << QString::number(position);
    values << QString::number(int(state.setting.narrowSlits)) << QString::number(state.centre.x())
           << QString::number(state.centre.y());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kRestartVariable), values.join(u' '));
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments(next);
    process.setProcessEnvironment(environment);
    return process.startDetached();
}

} // namespace app
