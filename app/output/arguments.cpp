// SPDX-License-Identifier: MIT
#include "arguments.h"

namespace app {

QStringList programArguments(int argc, char **argv)
{
    QStringList arguments;
    for (const QByteArray &argument : nativeArguments(argc, argv))
        arguments << QString::fromUtf8(argument);
    return arguments;
}

QByteArray nativeOptionValue(const QByteArrayList &arguments, QByteArrayView name)
{
    const QByteArray option = "--" + name.toByteArray();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(option + '='))
            return arguments[i].mid(option.size() + 1);
    }
    return {};
}

} // namespace app
