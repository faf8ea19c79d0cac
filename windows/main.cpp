// SPDX-License-Identifier: MIT
#include "client_area.h"
#include "command_line.h"
#include "desktop/arguments.h"
#include "desktop/console.h"
#include "desktop/headless_platform.h"
#include "display_check.h"
#include "first_paint_report.h"
#include "lambda.h"
#include "pattern_output.h"
#include "presentation_scale.h"
#include "readable_palette.h"
#include "whole_scale_factors.h"

#include <QApplication>

#include <optional>

int main(int argc, char **argv)
{
    // Read before any application exists: help, the version and mistakes need no display.
    const windows::CommandLine commandLine =
        windows::parseCommandLine(windows::programArguments(argc, argv));
    switch (commandLine.action) {
    case windows::CommandLine::Action::ShowHelp:
    case windows::CommandLine::Action::ShowVersion:
        windows::tellUser(windows::TextStream::Output, commandLine.text);
        return 0;
    case windows::CommandLine::Action::Fail:
        windows::tellUser(windows::TextStream::Error, commandLine.text + u'\n');
        return windows::kUsageExitCode;
    case windows::CommandLine::Action::Run:
        break;
    }
    const windows::StartOptions &options = commandLine.options;
    // Exports draw the same pixels off the screen: no window appears and no display is needed.
    if (options.exports())
        windows::useHeadlessPlatform();

    // The client image is drawn pixel for pixel and shown scaled by the screen's factor: whole
    // factors only (1.25 to 1, 1.5 to 2), so that each image pixel is a sharp square block.
    windows::useWholeScaleFactors();
    if (!windows::displayGiven(argc, argv))
        return 1;
    std::optional<windows::DisplayCheck> displayCheck(std::in_place, argc, argv);
    QApplication app(argc, argv);
    displayCheck.reset();
    // The window is laid out left to right on every desktop: its pictures, readouts and scroll
    // bars (minimum on the left, under the violet end of the spectrum) belong together.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    windows::useReadablePalette();
    // The application's own title; window titles stay as each window sets them.
    QApplication::setApplicationName(QStringLiteral("Falorys"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.falorys.Falorys"));
    TForm1 Form1;
    // Before the first paint, so the window opens at the setting asked for.
    windows::applyStartOptions(Form1, options);
    if (options.exports())
        return windows::writeExports(Form1, options);
    // The largest size asked for that fits the screen, its title bar and menu on the screen.
    windows::zoomWindow(Form1, options.scale);
    // The start-up measurement (bench/startup) ends at the first complete paint.
    windows::FirstPaintReport firstPaintReport;
    if (qEnvironmentVariableIntValue("FALORYS_EXIT_AFTER_FIRST_PAINT") == 1)
        Form1.clientArea()->installEventFilter(&firstPaintReport);
    return app.exec();
}
