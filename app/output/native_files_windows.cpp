// SPDX-License-Identifier: MIT
// Writing files whole with the Windows calls themselves: the system's error told in Polish, a
// target that is not an ordinary file on a disk refused, the temporary file made in the folder
// the target really lies in and put in its place with the target's own attributes and rights.
#include "native_files.h"

#include "system_error.h"

#include <QDir>
#include <QRandomGenerator>

#include <windows.h>

#include <cerrno>
#include <string>
#include <utility>

namespace app {

namespace {

// The longest name one folder entry may have on NTFS and FAT [UTF-16 units].
constexpr qsizetype kLongestName = 255;

/** The error number systemErrorReason knows for a Windows error code. */
int errorNumber(DWORD error)
{
    static const std::pair<DWORD, int> known[] = {
        {ERROR_DISK_FULL, ENOSPC},
        {ERROR_HANDLE_DISK_FULL, ENOSPC},
        {ERROR_ACCESS_DENIED, EACCES},
        {ERROR_SHARING_VIOLATION, EBUSY},
        {ERROR_LOCK_VIOLATION, EBUSY},
        {ERROR_WRITE_PROTECT, EROFS},
        {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
        {ERROR_FILE_NOT_FOUND, ENOENT},
        {ERROR_PATH_NOT_FOUND, ENOENT},
        {ERROR_DIRECTORY, ENOTDIR},
        {ERROR_INVALID_NAME, EINVAL},
        {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
        {ERROR_OUTOFMEMORY, ENOMEM},
        {ERROR_TOO_MANY_OPEN_FILES, EMFILE},
        {ERROR_FILE_EXISTS, EEXIST},
        {ERROR_ALREADY_EXISTS, EEXIST},
    };
    for (const auto &[code, number] : known) {
        if (code == error)
            return number;
    }
    return EIO;
}

QString lastReason()
{
    return systemErrorReason(errorNumber(GetLastError()));
}

std::wstring wide(const QString &path)
{
    return path.toStdWString();
}

QString quoted(const QString &path)
{
    return QStringLiteral("„%1”").arg(
        shownPath(QDir::toNativeSeparators(QDir::cleanPath(path)).toUtf8()));
}

/** CON, NUL, COM1, LPT1, ...: names of devices in every folder, whatever follows the dot. */
bool namesDevice(const QString &name)
{
    const QString base = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList devices {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                      QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    return devices.contains(base)
        || (base.size() == 4
            && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))
            && base[3] >= u'1' && base[3] <= u'9');
}

/** What a handle opened on `path` tells: its kind and which file it is; false if none opens. */
bool identify(const QString &path, DWORD &type, BY_HANDLE_FILE_INFORMATION &identity,
              QString *finalPath = nullptr)
{
    const HANDLE handle = CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    type = GetFileType(handle);
    const bool known = GetFileInformationByHandle(handle, &identity);
    wchar_t final[MAX_PATH * 4];
    const DWORD length =
        finalPath ? GetFinalPathNameByHandleW(handle, final, DWORD(std::size(final)), 0) : 0;
    const DWORD error = GetLastError();
    CloseHandle(handle);
    SetLastError(error);
    if (length > 0 && length < std::size(final)) {
        *finalPath = QString::fromWCharArray(final, int(length));
        if (finalPath->startsWith(QLatin1String("\\\\?\\UNC\\")))
            *finalPath = QStringLiteral("\\\\") + finalPath->mid(8);
        else if (finalPath->startsWith(QLatin1String("\\\\?\\")))
            *finalPath = finalPath->mid(4);
    }
    return known || type != FILE_TYPE_DISK;
}

/** The folder of `path`, without a separator after it but for a drive's root ("C:\\"). */
QString folderOf(const QString &path)
{
    const QString folder = path.left(path.lastIndexOf(u'\\'));
    return folder.endsWith(u':') ? folder + u'\\' : folder;
}

bool sameFile(const BY_HANDLE_FILE_INFORMATION &a, const BY_HANDLE_FILE_INFORMATION &b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh
        && a.nFileIndexLow == b.nFileIndexLow;
}

} // namespace

struct PendingFile::State
{
    QString target; ///< the file the path leads to, as the system reads the name
    QString folder;
    QString name;
    bool exists = false;
    BY_HANDLE_FILE_INFORMATION identity = {};
    BY_HANDLE_FILE_INFORMATION folderIdentity = {};
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
    const QString given = QString::fromUtf8(path);
    if (given.isEmpty())
        return QStringLiteral("nie podano nazwy pliku");
    if (given.startsWith(QLatin1String("\\\\.\\")) || given.startsWith(QLatin1String("//./")))
        return QStringLiteral("to urządzenie, a nie zwykły plik");
    if (given.endsWith(u'/') || given.endsWith(u'\\'))
        return QStringLiteral("%1 to folder, a nie nazwa pliku").arg(quoted(given));
    // The name as the system reads it: absolute, "." and ".." gone, and trailing dots and
    // spaces dropped ("a.csv." and "a.csv " are a.csv).
    wchar_t full[MAX_PATH * 4];
    wchar_t *name = nullptr;
    const DWORD length = GetFullPathNameW(wide(given).c_str(), DWORD(std::size(full)), full, &name);
    if (length == 0 || length >= std::size(full))
        return length == 0 ? lastReason() : systemErrorReason(ENAMETOOLONG);
    if (name == nullptr || *name == 0)
        return QStringLiteral("%1 to folder, a nie nazwa pliku").arg(quoted(given));
    s.target = QString::fromWCharArray(full, int(length));
    s.name = QString::fromWCharArray(name);
    s.folder = folderOf(s.target);
    if (namesDevice(s.name))
        return QStringLiteral("to urządzenie, a nie zwykły plik");
    // Checked before writing: the temporary file's short name would fail only at the very end.
    if (s.name.size() > kLongestName)
        return systemErrorReason(ENAMETOOLONG);

    const DWORD folder = GetFileAttributesW(wide(s.folder).c_str());
    if (folder == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return QStringLiteral("folder %1 nie istnieje").arg(quoted(s.folder));
        if (error == ERROR_ACCESS_DENIED)
            return QStringLiteral("brak dostępu do folderu %1").arg(quoted(s.folder));
        return systemErrorReason(errorNumber(error));
    }
    if (!(folder & FILE_ATTRIBUTE_DIRECTORY))
        return QStringLiteral("%1 nie jest folderem").arg(quoted(s.folder));
    DWORD type = 0;
    if (!identify(s.folder, type, s.folderIdentity))
        return lastReason();

    // An existing target is looked at through a handle: what it is, where a link leads, and
    // which file it is, whatever name led to it.
    QString real;
    s.exists = identify(s.target, type, s.identity, &real);
    if (!s.exists && GetLastError() != ERROR_FILE_NOT_FOUND)
        return lastReason();
    if (!s.exists)
        return {};
    if (type == FILE_TYPE_PIPE)
        return QStringLiteral("to potok nazwany, a nie zwykły plik");
    if (type != FILE_TYPE_DISK)
        return QStringLiteral("to urządzenie, a nie zwykły plik");
    if (s.identity.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return QStringLiteral("to folder, a nie zwykły plik");
    if (s.identity.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        return QStringLiteral("plik jest tylko do odczytu");
    if (!real.isEmpty()) {
        s.target = real;
        s.folder = folderOf(real);
    }
    return {};
}

QString PendingFile::open(const QByteArray &path)
{
    if (const QString problem = check(path); !problem.isEmpty())
        return problem;
    State &s = *m_state;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QDir(s.folder).filePath(QStringLiteral(".falorys-"))
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

bool PendingFile::isStandardOutput() const
{
    return false;
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
    // A replaced file keeps its attributes (hidden, archive: set here, as ReplaceFileW leaves
    // the new file's) and who may read and write it; where it cannot, it is not replaced.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE
        | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (s.exists && !SetFileAttributesW(temporary.c_str(), s.identity.dwFileAttributes & kKept))
        return lastReason();
    s.committed = s.exists ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                           : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    return s.committed ? QString() : lastReason();
}

bool PendingFile::sameTarget(const PendingFile &other) const
{
    const State &a = *m_state;
    const State &b = *other.m_state;
    if (a.exists && b.exists)
        return sameFile(a.identity, b.identity);
    // Names on Windows are the same whatever the letters' case.
    return sameFile(a.folderIdentity, b.folderIdentity)
        && CompareStringOrdinal(reinterpret_cast<const wchar_t *>(a.name.utf16()), -1,
                                reinterpret_cast<const wchar_t *>(b.name.utf16()), -1, TRUE)
        == CSTR_EQUAL;
}

} // namespace app
