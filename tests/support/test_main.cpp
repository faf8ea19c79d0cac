// SPDX-License-Identifier: MIT
// Runs the GoogleTest cases inside a Qt application on the offscreen platform, with a fixed
// palette, so that fonts, text and system colours behave the same on every machine.
#include "test_palette.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#ifdef FALORYS_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
using TestApplication = QGuiApplication;
#endif

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);

    QPalette palette = TestApplication::palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, testing_support::kFaceColour);
        palette.setColor(group, QPalette::Button, testing_support::kFaceColour);
        palette.setColor(group, QPalette::WindowText, testing_support::kWindowTextColour);
    }
    TestApplication::setPalette(palette);
    return RUN_ALL_TESTS();
}
