// SPDX-License-Identifier: MIT
// Writing files whole with the Windows calls themselves: the system's error told in Polish, a
// target that is not an ordinary file on a disk refused, the temporary file made in the folder
// the target really lies in and put in its place with the target's own attributes and rights.
#include "native_files.h"

#include "file_saving.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

#include <cerrno>
#include <string>

namespace app {

namespace {

// The longest name one folder entry may have on NTFS and FAT [UTF-16 units].
constexpr qsizetype kLongestName = 255;

/** The error number systemErrorReason knows for a Windows error code. */
int errorNumber(DWORD error)
{
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_INVALID_NAME:
        return EINVAL;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    default:
        return EIO;
    }
}

QString lastReason()
{
    return systemErrorReason(errorNumber(GetLastError()));
}

std::wstring wide(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString quoted(const QString &path)
{
    return QStringLiteral("„%1”").arg(QDir::toNativeSeparators(path));
}

/** CON, NUL, COM1, LPT1, ...: names of devices in every folder, whatever follows the dot. */
bool namesDevice(const QString &name)
{
    const QString base = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList devices {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                      QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (devices.contains(base))
        return true;
    return base.size() == 4
        && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))
        && base[3] >= u'1' && base[3] <= u'9';
}

QString notOrdinaryReason(DWORD type)
{
    if (type == FILE_TYPE_PIPE)
        return QStringLiteral("to potok nazwany, a nie zwykły plik");
    return QStringLiteral("to urządzenie, a nie zwykły plik");
}

} // namespace

struct PendingFile::State
{
    QString target; ///< the file the path leads to, links followed
    QString folder;
    bool exists = false;
    BY_HANDLE_FILE_INFORMATION identity = {};
    QString temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    bool committed = false;

    ~State()
    {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        if (!temporary.isEmpty() && !committed)
            DeleteFileW(wide(temporary).c_str());
    }
};

PendingFile::PendingFile() = default;
PendingFile::~PendingFile() = default;

QString PendingFile::check(const QByteArray &path)
{
    m_state = std::make_unique<State>();
    State &s = *m_state;
    const QString given = fromNativeBytes(path);
    if (given.isEmpty())
        return QStringLiteral("nie podano nazwy pliku");
    if (given.startsWith(QLatin1String("\\\\.\\")) || given.startsWith(QLatin1String("//./")))
        return QStringLiteral("to urządzenie, a nie zwykły plik");
    const QFileInfo info(given);
    if (info.fileName().isEmpty() || given.endsWith(u'/') || given.endsWith(u'\\'))
        return QStringLiteral("%1 to folder, a nie nazwa pliku").arg(quoted(given));
    if (namesDevice(info.fileName()))
        return QStringLiteral("to urządzenie, a nie zwykły plik");
    // Checked before writing: the temporary file's short name would fail only at the very end.
    if (info.fileName().size() > kLongestName)
        return systemErrorReason(ENAMETOOLONG);
    s.target = info.absoluteFilePath();
    s.folder = info.absolutePath();

    const DWORD folder = GetFileAttributesW(wide(s.folder).c_str());
    if (folder == INVALID_FILE_ATTRIBUTES)
        return QStringLiteral("folder %1 nie istnieje").arg(quoted(s.folder));
    if (!(folder & FILE_ATTRIBUTE_DIRECTORY))
        return QStringLiteral("%1 nie jest folderem").arg(quoted(s.folder));

    // An existing target is looked at through a handle: what it is, where a link leads, and
    // which file it is, whatever name led to it.
    const HANDLE existing =
        CreateFileW(wide(s.target).c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (existing == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return {};
        return systemErrorReason(errorNumber(error));
    }
    s.exists = true;
    const DWORD type = GetFileType(existing);
    const bool known = GetFileInformationByHandle(existing, &s.identity);
    wchar_t finalPath[MAX_PATH * 4];
    const DWORD length = GetFinalPathNameByHandleW(existing, finalPath, DWORD(std::size(finalPath)),
                                                   FILE_NAME_NORMALIZED);
    CloseHandle(existing);
    if (type != FILE_TYPE_DISK)
        return notOrdinaryReason(type);
    if (!known)
        return lastReason();
    if (s.identity.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return QStringLiteral("to folder, a nie zwykły plik");
    if (s.identity.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        return QStringLiteral("plik jest tylko do odczytu");
    if (length > 0 && length < std::size(finalPath)) {
        QString real = QString::fromWCharArray(finalPath, int(length));
        if (real.startsWith(QLatin1String("\\\\?\\UNC\\")))
            real = QStringLiteral("\\\\") + real.mid(8);
        else if (real.startsWith(QLatin1String("\\\\?\\")))
            real = real.mid(4);
        const QFileInfo realInfo(real);
        s.target = realInfo.absoluteFilePath();
        s.folder = realInfo.absolutePath();
    }
    return {};
}

QString PendingFile::open(const QByteArray &path)
{
    if (const QString problem = check(path); !problem.isEmpty())
        return problem;
    State &s = *m_state;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = s.folder + QStringLiteral("/.falorys-")
            + QString::number(QRandomGenerator::global()->generate(), 36);
        s.file = CreateFileW(wide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (s.file != INVALID_HANDLE_VALUE) {
            s.temporary = name;
            return {};
        }
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED)
            return QStringLiteral("brak uprawnień do zapisu w folderze %1").arg(quoted(s.folder));
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return systemErrorReason(errorNumber(error));
    }
    return systemErrorReason(EEXIST);
}

QString PendingFile::write(const QByteArray &bytes)
{
    State &s = *m_state;
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 20));
        if (!WriteFile(s.file, bytes.constData() + done, chunk, &written, nullptr))
            return lastReason();
        done += written;
    }
    if (!FlushFileBuffers(s.file))
        return lastReason();
    const bool closed = CloseHandle(s.file);
    s.file = INVALID_HANDLE_VALUE;
    return closed ? QString() : lastReason();
}

QString PendingFile::commit()
{
    State &s = *m_state;
    const std::wstring target = wide(s.target);
    const std::wstring temporary = wide(s.temporary);
    // A replaced file keeps its attributes and who may read and write it.
    if (s.exists
        && ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                        nullptr, nullptr)) {
        s.committed = true;
        return {};
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return lastReason();
    s.committed = true;
    return {};
}

bool PendingFile::sameTarget(const PendingFile &other) const
{
    const State &a = *m_state;
    const State &b = *other.m_state;
    if (a.exists && b.exists)
        return a.identity.dwVolumeSerialNumber == b.identity.dwVolumeSerialNumber
            && a.identity.nFileIndexHigh == b.identity.nFileIndexHigh
            && a.identity.nFileIndexLow == b.identity.nFileIndexLow;
    // Names on Windows are the same whatever the letters' case.
    return QDir::cleanPath(a.target).compare(QDir::cleanPath(b.target), Qt::CaseInsensitive) == 0;
}

// Windows has no signal for a closed pipe: the write fails, and that is told.
void keepRunningOnClosedPipes() { }

// Qt on Windows keeps no runtime folder.
RuntimeFolderForRun::RuntimeFolderForRun() = default;
RuntimeFolderForRun::~RuntimeFolderForRun() = default;
void RuntimeFolderForRun::removeMade() { }

} // namespace app
