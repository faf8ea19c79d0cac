// SPDX-License-Identifier: MIT
#include "pattern_export.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cstdlib>

using windows::PatternColumn;
using windows::PatternSetting;

TEST(PatternExport, FileNamesCarryTheSetting)
{
    const PatternSetting lesson = windows::settingAt(271, 30, 200, 50, false);
    EXPECT_EQ(windows::defaultFileName(lesson, QStringLiteral("png")),
              QStringLiteral("falorys-650nm-d0.030mm-L1.80m-a5000nm.png"));
    const PatternSetting narrow = windows::settingAt(1, 40, 170, 100, true);
    EXPECT_EQ(windows::defaultFileName(narrow, QStringLiteral("csv")),
              QStringLiteral("falorys-380nm-d0.040mm-L1.50m-a-bardzo-waskie.csv"));
}

TEST(PatternExport, CsvIsRfc4180WithAHeaderNamingTheSettingAndExactNumbers)
{
    // Numbers are written with a dot whatever the locale says.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    const PatternColumn columns[] = {
        {-180, 0.1 + 0.2, 0x362A1A}, {0, 1.0, 0xFF007A}, {7, 3.0e-7, 0x000000}};
    const QByteArray csv =
        windows::patternCsv(windows::settingAt(271, 30, 200, 50, false), columns);
    QLocale::setDefault(QLocale::c());

    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_EQ(lines.size(), 5) << "a header, three rows and nothing after the last CRLF";
    EXPECT_TRUE(lines.last().isEmpty());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(lines[i].endsWith('\r')) << "line " << i << " must end in CRLF";
    EXPECT_EQ(QString::fromUtf8(lines[0].chopped(1)),
              QStringLiteral("x [mm],\"I/I₀ przy λ = 650 nm, d = 0.030 mm, L = 1.80 m, "
                             "a = 5000 nm; separator dziesiętny: kropka\",R,G,B"));
    EXPECT_EQ(lines[2], QByteArrayLiteral("0,1,122,0,255\r"));
    // Each intensity reads back as the very same double.
    const QList<QByteArray> first = lines[1].chopped(1).split(',');
    ASSERT_EQ(first.size(), 5);
    EXPECT_EQ(first[0], "-180");
    EXPECT_EQ(std::strtod(first[1].constData(), nullptr), 0.1 + 0.2);
    EXPECT_EQ(first.mid(2), (QList<QByteArray> {"26", "42", "54"}));
    EXPECT_EQ(std::strtod(lines[3].split(',')[1].constData(), nullptr), 3.0e-7);

    const QByteArray narrow = windows::patternCsv(windows::settingAt(1, 20, 170, 10, true), {});
    EXPECT_TRUE(
        QString::fromUtf8(narrow).contains(QStringLiteral("L = 1.50 m, a << λ (a = 1 nm);")));
}
