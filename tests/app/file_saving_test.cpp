// SPDX-License-Identifier: MIT
#include "file_saving.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using app::FileContent;
using app::saveWhole;

TEST(FileSaving, FilesAreWrittenWholeOrNotAtAll)
{
    // An existing file is replaced whole, and nothing else is left beside it.
    QTemporaryDir dir;
    const QByteArray plain = dir.filePath(QStringLiteral("plik")).toUtf8();
    const FileContent longer {plain, QByteArray(100000, 'x')};
    const FileContent shorter {plain, QByteArrayLiteral("x [mm]\r\n")};
    ASSERT_FALSE(saveWhole({&longer, 1}).has_value());
    ASSERT_FALSE(saveWhole({&shorter, 1}).has_value());
    QFile file(QString::fromUtf8(plain));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), shorter.bytes) << "the file must hold the new bytes alone";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("plik")});

    // A file that cannot be written leaves none of the files of the same save, and says why.
    const QByteArray good = dir.filePath(QStringLiteral("obraz.png")).toUtf8();
    const std::pair<QString, const char *> cases[] = {
        {dir.filePath(QStringLiteral("brak/dane.csv")), "folder „"},
        {dir.filePath(QStringLiteral("plik/dane.csv")), "nie jest folderem"},
        {dir.path(), "to folder, a nie zwykły plik"},
        {dir.filePath(QString(300, u'a')), "nazwa pliku jest za długa"},
    };
    for (const auto &[path, reason] : cases) {
        const FileContent files[] = {{good, "png"}, {path.toUtf8(), "csv"}};
        const auto failure = saveWhole(files);
        ASSERT_TRUE(failure.has_value()) << reason;
        EXPECT_EQ(failure->path, path.toUtf8());
        EXPECT_TRUE(failure->reason.contains(QString::fromUtf8(reason)))
            << failure->reason.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("plik")})
            << reason;
    }
}
