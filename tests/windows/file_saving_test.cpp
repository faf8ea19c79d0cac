// SPDX-License-Identifier: MIT
#include "file_saving.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

using windows::FileContent;
using windows::saveWhole;

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(FileSaving, AnExistingFileIsReplacedWholeAndNothingElseIsLeft)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wzór.csv"));
    const FileContent longer {path, QByteArray(100000, 'x')};
    ASSERT_FALSE(saveWhole({&longer, 1}).has_value());
    const FileContent shorter {path, QByteArrayLiteral("x [mm]\r\n")};
    ASSERT_FALSE(saveWhole({&shorter, 1}).has_value());
    EXPECT_EQ(contentsOf(path), shorter.bytes) << "the file must hold the new bytes alone";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("wzór.csv")});
}

TEST(FileSaving, AFileThatCannotBeWrittenLeavesNoneOfTheFilesAndSaysWhy)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("obraz.png"));
    const QString inFile = dir.filePath(QStringLiteral("obraz.png/dane.csv"));
    struct Case
    {
        QString path;
        const char *reason;
    };
    QFile plain(dir.filePath(QStringLiteral("plik")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const Case cases[] = {
        {dir.filePath(QStringLiteral("brak/dane.csv")), "folder „"},
        {dir.filePath(QStringLiteral("plik/dane.csv")), "nie jest folderem"},
        {dir.path(), "jest folderem"},
        {dir.filePath(QString(300, u'a')), "nazwa pliku jest za długa"},
        {QString(), "nie podano nazwy pliku"},
    };
    for (const Case &c : cases) {
        const FileContent files[] = {{good, "png"}, {c.path, "csv"}};
        const auto failure = saveWhole(files);
        ASSERT_TRUE(failure.has_value()) << c.reason;
        EXPECT_EQ(failure->path, c.path);
        EXPECT_TRUE(failure->reason.contains(QString::fromUtf8(c.reason)))
            << failure->reason.toStdString();
        EXPECT_FALSE(QFile::exists(good))
            << "the first file must not be written either: " << c.reason;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("plik")});

    // A folder without write permission; the superuser writes anywhere, so only for others.
    if (geteuid() != 0) {
        const QString locked = dir.filePath(QStringLiteral("zamknięty"));
        ASSERT_TRUE(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const FileContent file {locked + QStringLiteral("/dane.csv"), "csv"};
        const auto failure = saveWhole({&file, 1});
        ASSERT_TRUE(failure.has_value());
        EXPECT_TRUE(failure->reason.startsWith(QStringLiteral("brak uprawnień do zapisu")));
        EXPECT_TRUE(QDir(locked).isEmpty());
    }
}
