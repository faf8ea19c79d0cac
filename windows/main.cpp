// SPDX-License-Identifier: MIT
#include "lambda.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The application's own title; window titles stay as each window sets them.
    QApplication::setApplicationName(QStringLiteral("Falorys"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.falorys.Falorys"));
    TForm1 Form1;
    return app.exec();
}
