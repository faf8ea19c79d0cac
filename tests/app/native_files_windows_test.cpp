// SPDX-License-Identifier: MIT
// Names the Windows file system takes as one file, and what a replaced file keeps there.
#include "file_saving.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <windows.h>

TEST(FileSaving, NamesWindowsTakesAsOneAreOneFile)
{
    QTemporaryDir dir;
    const auto path = [&dir](const char *name) {
        return QDir::toNativeSeparators(dir.path()).toUtf8() + '\\' + name;
    };
    const app::FileContent existing {path("b.csv"), "b"};
    ASSERT_FALSE(app::saveWhole({&existing, 1}).has_value());
    // A trailing dot or space is dropped, and case does not count: whether the file is there
    // yet or not.
    const std::pair<const char *, const char *> same[] = {
        {"a.csv", "a.csv."}, {"a.csv", "a.csv "}, {"a.csv", "A.CSV"},
        {"b.csv", "b.csv."}, {"b.csv", "B.csv "}, {"a.csv", "x\\..\\a.csv"},
    };
    for (const auto &[first, second] : same) {
        const app::FileContent files[] = {{path(first), "1"}, {path(second), "2"}};
        const auto failure = app::saveWhole(files);
        EXPECT_TRUE(failure && failure->sameFile) << first << " / " << second;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList {QStringLiteral("b.csv")})
            << second;
    }

    // A replaced file keeps its attributes (ReplaceFileW), and a file of a folder that is not
    // there says which folder.
    const std::wstring b = QString::fromUtf8(path("b.csv")).toStdWString();
    ASSERT_TRUE(SetFileAttributesW(b.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_FALSE(app::saveWhole({&existing, 1}).has_value());
    EXPECT_TRUE(GetFileAttributesW(b.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    // A file with a second name (a hard link) is written in place: both names see the new bytes.
    const QString c = QString::fromUtf8(path("c.csv"));
    ASSERT_TRUE(CreateHardLinkW(c.toStdWString().c_str(), b.c_str(), nullptr));
    const app::FileContent linked {path("b.csv"), "linked"};
    ASSERT_FALSE(app::saveWhole({&linked, 1}).has_value());
    QFile second(c);
    EXPECT_TRUE(second.open(QIODevice::ReadOnly) && second.readAll() == "linked");
    const app::FileContent missing {path("brak\\x.csv"), "x"};
    const auto failure = app::saveWhole({&missing, 1});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(
        failure->reason,
        QStringLiteral("folder „%1\\brak” nie istnieje").arg(QDir::toNativeSeparators(dir.path())));
}

TEST(FileSaving, WindowsDevicesAreNeverWritten)
{
    // Device names the system reads as such in any folder, and the device namespace itself.
    for (const char *device : {"NUL", "con", "COM1", "\\\\.\\PhysicalDrive0", "//./nul"}) {
        const app::FileContent file {device, "x"};
        const auto failure = app::saveWhole({&file, 1});
        ASSERT_TRUE(failure.has_value()) << device;
        EXPECT_EQ(failure->reason, QStringLiteral("to urządzenie, a nie zwykły plik")) << device;
    }
}
