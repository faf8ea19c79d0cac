// SPDX-License-Identifier: MIT
#include "display_check.h"

#include "language.h"
#include "run_leftovers.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>

namespace app {

namespace {

/** The window-system platform Qt will load: the -platform argument, else QT_QPA_PLATFORM. */
QByteArray platformName(int argc, char **argv)
{
    QByteArray name = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-platform" || arg == "--platform")
            name = argv[i + 1];
    }
    // The first of a list of fallbacks, without its options.
    return name.split(';').constFirst().split(':').constFirst();
}

bool needsDisplay(const QByteArray &platform)
{
    return platform.isEmpty() || platform == "xcb" || platform.startsWith("wayland");
}

void say(const QString &line)
{
    std::fprintf(stderr, "falorys: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage> held;
QByteArray platform;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held.append({type, QByteArray(context.category), text});
        return;
    }
    QString line;
    const QString display = qEnvironmentVariable("DISPLAY");
    if (!needsDisplay(platform))
        line = translate("Display",
                         "nie można uruchomić okien: wtyczki platformy Qt „%1” nie da się "
                         "wczytać")
                   .arg(QString::fromLocal8Bit(platform));
    else if (display.isEmpty())
        line = translate("Display",
                         "nie można połączyć się z ekranem Wayland „%1” (zmienna "
                         "WAYLAND_DISPLAY); ustaw DISPLAY, aby użyć ekranu X11")
                   .arg(qEnvironmentVariable("WAYLAND_DISPLAY"));
    else
        line = translate("Display",
                         "nie można połączyć się z ekranem X „%1” (zmienna DISPLAY): "
                         "serwer X nie działa albo odmawia połączenia")
                   .arg(display);
    // No abort and no core: the display is missing, the program is not broken. Qt's own
    // English text says nothing the user can act on.
    endRun((QStringLiteral("falorys: ") + line + u'\n').toUtf8().constData());
}

} // namespace

bool displayGiven(int argc, char **argv)
{
    if (!needsDisplay(platformName(argc, argv)) || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    say(translate("Display",
                  "brak ekranu graficznego: nie ustawiono zmiennej DISPLAY ani "
                  "WAYLAND_DISPLAY; uruchom program w sesji graficznej albo ustaw DISPLAY "
                  "(np. DISPLAY=:0)"));
    return false;
}

DisplayCheck::DisplayCheck(int argc, char **argv)
{
    platform = platformName(argc, argv);
    m_previous = qInstallMessageHandler(holdMessage);
}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(m_previous);
    for (const HeldMessage &message : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        m_previous(message.type, context, message.text);
    }
    held.clear();
}

} // namespace app
