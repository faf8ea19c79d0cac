// SPDX-License-Identifier: MIT
#include "arguments.h"

#include "browser_page.h"
#include "command_line.h"
#include "language.h"

#include <QUrlQuery>

#include <algorithm>

namespace app {

namespace {

/** The parameters of the page's address: the setting options of the command line. */
const QStringList kAddressParameters {QStringLiteral("lambda"),  QStringLiteral("d"),
                                      QStringLiteral("L"),       QStringLiteral("a"),
                                      QStringLiteral("a-small"), QStringLiteral("lang")};

/** The parser's line without the program's name and the option the address names otherwise. */
QString reasonIn(QString line, const QString &name)
{
    for (const QString &prefix :
         {QStringLiteral("falorys: "), QStringLiteral("--") + name + QStringLiteral(": ")}) {
        if (line.startsWith(prefix))
            line.remove(0, prefix.size());
    }
    return line;
}

} // namespace

QByteArrayList nativeArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromUtf8(argv[i]);
    // The address sets the start as the command line does (?lambda=520&d=0.030&a-small), read
    // by the same parser. A parameter it refuses is named on the page and left out; the others
    // still apply, each checked with those before it.
    QStringList problems;
    QList<std::pair<QString, QString>> items =
        QUrlQuery(pageQuery()).queryItems(QUrl::FullyDecoded);
    // The language first, so that what is said of the others is said in it.
    std::stable_partition(items.begin(), items.end(),
                          [](const auto &item) { return item.first == QLatin1String("lang"); });
    for (const auto &item : items) {
        const QString &name = item.first;
        const QString &value = item.second;
        const QString given = value.isEmpty() ? name : name + u'=' + value;
        if (!kAddressParameters.contains(name)) {
            problems << translate("BrowserPage",
                                  "W adresie pominięto „%1”: nieznany parametr; dozwolone "
                                  "parametry: %2.")
                            .arg(given, kAddressParameters.join(QStringLiteral(", ")));
            continue;
        }
        const QStringList tried =
            arguments + QStringList {QStringLiteral("--") + (value.isEmpty() ? name : given)};
        const CommandLine line = parseCommandLine(tried);
        if (line.action == CommandLine::Action::Fail) {
            problems << translate("BrowserPage", "W adresie pominięto „%1”: %2.")
                            .arg(given, reasonIn(line.text, name));
            continue;
        }
        arguments = tried;
        if (const auto asked = languageAskedIn(arguments); asked && *asked != spokenLanguage())
            speak(*asked);
    }
    if (!problems.isEmpty())
        callPage("falorysNotice", problems.join(u' '));
    QByteArrayList bytes;
    for (const QString &argument : arguments)
        bytes << argument.toUtf8();
    return bytes;
}

} // namespace app
