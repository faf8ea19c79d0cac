// SPDX-License-Identifier: MIT
#include "arguments.h"
#include "carried_faces.h"
#include "client_area.h"
#include "command_line.h"
#include "display_check.h"
#include "file_saving.h"
#include "first_paint_report.h"
#include "font_configuration.h"
#include "headless_platform.h"
#include "language.h"
#include "main_window.h"
#include "pattern_output.h"
#include "presentation_scale.h"
#include "presentation_zoom.h"
#include "qt_messages.h"
#include "qt_translations.h"
#include "readable_palette.h"
#include "run_leftovers.h"
#include "standard_streams.h"
#include "whole_scale_factors.h"
#include "window_placement.h"

#include <QApplication>

#include <optional>
#include <vector>

namespace {

/**
 * The application object, made again when the presentation size must change before any window
 * exists. Each one gets its own copy of the arguments: Qt takes its own options out of them.
 */
class Application
{
public:
    Application(int argc, char **argv) : m_arguments(argv, argv + argc) { }

    void make()
    {
        m_app.reset();
        m_argv = m_arguments;
        m_argv.push_back(nullptr);
        m_argc = int(m_arguments.size());
        const app::DisplayCheck displayCheck(m_argc, m_argv.data());
        m_app.emplace(m_argc, m_argv.data());
    }
    int exec() { return m_app->exec(); }

private:
    std::vector<char *> m_arguments;
    std::vector<char *> m_argv;
    int m_argc = 0;
    std::optional<QApplication> m_app;
};

} // namespace

int main(int argc, char **argv)
{
    app::keepStandardStreamsOpen();
    // The user's language, or the one --lang asks for, speaks from the first message on; a
    // wrong --lang is told in the user's.
    app::speak(app::languageFor(app::userLanguages()));
    // Read before any application exists: help, the version and mistakes need no display.
    const QStringList arguments = app::programArguments(argc, argv);
    if (const auto asked = app::languageAskedIn(arguments))
        app::speak(*asked);
    const app::CommandLine commandLine = app::parseCommandLine(arguments);
    switch (commandLine.action) {
    case app::CommandLine::Action::ShowHelp:
    case app::CommandLine::Action::ShowVersion:
        return app::printOutput(commandLine.text);
    case app::CommandLine::Action::Fail:
        app::printError(commandLine.text);
        return app::kUsageExitCode;
    case app::CommandLine::Action::Run:
        break;
    }
    const app::StartOptions &options = commandLine.options;
    const std::optional<app::RestartState> restart = app::takeRestartState();
    // Exports draw the same pixels off the screen: no window appears and no display is needed.
    if (options.exports()) {
        app::useHeadlessPlatform();
        app::endCleanlyOnSignals();
    }
    app::keepQtMessagesForTheUser();

    // The client image is drawn pixel for pixel and shown scaled by the screen's factor and the
    // presentation size: whole factors only, so that each image pixel is a sharp square block.
    for (const QString &line : app::useWholeScaleFactors())
        app::printError(line);
    const QByteArray environmentScale = qgetenv("QT_SCALE_FACTOR");
    int scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? environmentScale.toInt() : 1;
    const bool scaleAsked = options.scale != 0 && !options.exports();
    if (scaleAsked) {
        scale = options.scale == app::kScaleToFit ? app::kMaxPresentationScale : options.scale;
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    }
    // The environment's factor fits the screen as the option's does.
    const bool fitScale = (scaleAsked || scale > 1) && !options.exports();
    if (!app::displayGiven(argc, argv))
        return 1;
    // The window's start goes on while the system's font configuration is read. An export keeps
    // fontconfig's complaints to itself (below), so it reads it there.
    std::optional<drawing::FontConfigurationLoad> fontConfiguration;
    if (!options.exports())
        fontConfiguration.emplace();
    // An export leaves nothing behind: no runtime folder of Qt's making. It outlives the
    // application, which looks into it.
    app::RuntimeFolderForRun runtimeFolder(options.exports());
    Application app(argc, argv);
    app.make();
    runtimeFolder.removeMade();
    // The screen is known only now. A restart was measured by the window it replaces.
    if (fitScale && !restart) {
        const int fits = app::largestFittingScaleBeforeShowing(kClientSize, scale);
        if (fits < scale) {
            if (options.scale != app::kScaleToFit)
                app::printError(app::translate("main",
                                               "falorys: rozmiar %1 nie mieści się na "
                                               "ekranie; użyto rozmiaru %2")
                                    .arg(scale)
                                    .arg(fits));
            scale = fits;
            qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
            app.make();
        }
    }
    // Programs started from here (the browser) get the desktop's own scale, not this one.
    if (fitScale && environmentScale.isNull())
        qunsetenv("QT_SCALE_FACTOR");
    else if (fitScale)
        qputenv("QT_SCALE_FACTOR", environmentScale);

    app::installLanguage();
    {
        // The faces are carried, and a failure of the run is told in the program's words.
        std::optional<app::QuietStandardError> quiet;
        if (options.exports())
            quiet.emplace();
        if (fontConfiguration) {
            // The first picture Qt reads loads its image readers: read while the configuration
            // is, the window's icon costs little when the window reads it again.
            programIcon();
            fontConfiguration->wait();
        }
        drawing::useCarriedApplicationFont();
    }
    // The window is laid out left to right on every desktop: its pictures, readouts and scroll
    // bars (minimum on the left, under the violet end of the spectrum) belong together.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    app::useReadablePalette();
    // The application's own title; window titles stay as each window sets them.
    QApplication::setApplicationName(QStringLiteral("Falorys"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.falorys.Falorys"));
    TForm1 Form1;
    // Before the first paint, so the window opens at the setting asked for; a restart's command
    // line has no setting of its own.
    Form1.setSetting(restart ? restart->setting : app::startSetting(options, Form1.setting()));
    if (options.exports()) {
        // The data too are those of the drawn setting.
        Form1.repaintClientArea();
        // A file name goes to the system as the bytes it came in, UTF-8 or not.
        const QByteArrayList native = app::nativeArguments(argc, argv);
        return app::writeExports(Form1, app::nativeOptionValue(native, "export-png"),
                                 app::nativeOptionValue(native, "export-csv"));
    }
    // Shown only now: an export never makes a window appear.
    app::showCentred(Form1);
    if (restart)
        app::placeOnScreen(Form1, restart->centre / Form1.devicePixelRatio());
    new app::PresentationZoom(Form1, scale, app::toolkitOptions(arguments)); // the window's child
    // The start-up measurement (bench/startup) ends at the first complete paint.
    app::FirstPaintReport firstPaintReport;
    if (qEnvironmentVariableIntValue("FALORYS_EXIT_AFTER_FIRST_PAINT") == 1)
        Form1.clientArea()->installEventFilter(&firstPaintReport);
    return app.exec();
}
