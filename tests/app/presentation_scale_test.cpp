// SPDX-License-Identifier: MIT
// Presentation size: which factors the environment may ask for, which size fits a screen, what
// a restart hands over, and Qt's own texts in Polish.
#include "presentation_scale.h"
#include "qt_translations.h"
#include "whole_scale_factors.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include <gtest/gtest.h>

TEST(PresentationScale, EnvironmentFactorsAreWholeOrRefused)
{
    const struct
    {
        const char *text;
        std::optional<int> factor;
    } cases[] = {
        {"1", 1},
        {"1.25", 1},
        {"1.5", 2},
        {" 2 ", 2},
        {"0.4", 1},
        {"4.4", 4},
        {"4.5", std::nullopt},
        {"0", std::nullopt},
        {"-2", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"100", std::nullopt},
        {"", std::nullopt},
        {"dwa", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(app::wholeScaleFactor(c.text, app::kMaxPresentationScale), c.factor)
            << "QT_SCALE_FACTOR=" << c.text;

    qputenv("QT_SCALE_FACTOR", "nan");
    qputenv("QT_SCREEN_SCALE_FACTORS", "HDMI-1=1.5;DP-2=0");
    const QStringList lines = app::useWholeScaleFactors();
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1");
    EXPECT_EQ(qgetenv("QT_SCREEN_SCALE_FACTORS"), "HDMI-1=2;DP-2=1");
    EXPECT_EQ(lines.size(), 2) << lines.join(u'\n').toStdString();
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

TEST(PresentationScale, LargestSizeThatFitsTheScreen)
{
    const QSize window(632, 457);
    const QSize frame(10, 40);
    EXPECT_EQ(app::largestFittingScale(window, frame, {1920, 1040}, 1), 2);
    EXPECT_EQ(app::largestFittingScale(window, frame, {1024, 738}, 1), 1);
    EXPECT_EQ(app::largestFittingScale(window, {}, {2800, 2000}, 1), 4);
    EXPECT_EQ(app::largestFittingScale(window, frame, {1906, 1411}, 1), 3) << "exactly";
    EXPECT_EQ(app::largestFittingScale(window, frame, {1905, 1411}, 1), 2) << "a pixel short";
    EXPECT_EQ(app::largestFittingScale(window, frame, {3840, 2160}, 2), 2)
        << "a screen of two device pixels per pixel";
    EXPECT_EQ(app::largestFittingScale(window, frame, {300, 200}, 1), 1) << "at least 1";
}

TEST(PresentationScale, RestartStateIsTakenOnceAndChecked)
{
    for (const char *wrong : {"0 30 200 50 1 0 0", "272 30 200 101 1 0 0", "272 30 200 50 2 0 0",
                              "272 30 200 50 1 0", "272 30 200 50 1 0 x", ""}) {
        qputenv("FALORYS_RESTART_STATE", wrong);
        EXPECT_FALSE(app::takeRestartState()) << wrong;
    }
    qputenv("FALORYS_RESTART_STATE", "272 30 200 50 1 640 -12");
    const std::optional<app::RestartState> state = app::takeRestartState();
    ASSERT_TRUE(state);
    EXPECT_EQ(state->setting, (optics::Setting {{272, 30, 200, 50}, true}));
    EXPECT_EQ(state->centre, QPoint(640, -12));
    EXPECT_FALSE(qEnvironmentVariableIsSet("FALORYS_RESTART_STATE"))
        << "what the program starts must not inherit it";
}

TEST(QtTexts, FileDialogAndStandardButtonsSpeakPolish)
{
    ASSERT_TRUE(app::installLanguage()); // Polish, the language spoken unless asked otherwise
    QFileDialog dialog(nullptr, QStringLiteral("Zapisz obraz"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        texts << button->text();
    const QAbstractItemModel *model = dialog.findChild<QTreeView *>()->model();
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->headerData(column, Qt::Horizontal).toString();
    for (const char *english : {"Look in:", "File &name:", "&Save", "Cancel", "Name", "Size"})
        EXPECT_FALSE(texts.contains(QLatin1String(english))) << english;
    EXPECT_TRUE(texts.contains(QStringLiteral("&Zachowaj"))) << texts.join(u'|').toStdString();
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Anuluj"));
}
