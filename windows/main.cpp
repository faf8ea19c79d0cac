// SPDX-License-Identifier: MIT
#include "client_area.h"
#include "first_paint_report.h"
#include "lambda.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // The client image is drawn pixel for pixel and shown scaled by the screen's factor. Rounded
    // to a whole factor (1.25 to 1, 1.5 to 2) every image pixel stays a whole square block of
    // device pixels, sharp, at the price of a window somewhat smaller or larger than exact.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    // The application's own title; window titles stay as each window sets them.
    QApplication::setApplicationName(QStringLiteral("Falorys"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.falorys.Falorys"));
    TForm1 Form1;
    // The start-up measurement (bench/startup) ends at the first complete paint.
    windows::FirstPaintReport firstPaintReport;
    if (qEnvironmentVariableIntValue("FALORYS_EXIT_AFTER_FIRST_PAINT") == 1)
        Form1.clientArea()->installEventFilter(&firstPaintReport);
    return app.exec();
}
