// SPDX-License-Identifier: MIT
// The Windows calls behind PendingFile: the target looked at through a handle (what it is,
// where a link leads, which file it is), the new file made in the folder the target really lies
// in and put in its place with its attributes and rights.
#include "native_file_calls.h"

#include "system_error.h"
#include "windows_calls.h"

#include <QRegularExpression>

#include <windows.h>

#include <cerrno>
#include <string>
#include <utility>

namespace app {

const bool kCaseBlindNames = true;

namespace {

// The longest name one folder entry may have on NTFS and FAT [UTF-16 units].
constexpr qsizetype kLongestName = 255;

std::wstring wide(const QByteArray &path)
{
    return QString::fromUtf8(path).toStdWString();
}

HANDLE handleOf(NativeFile file)
{
    return reinterpret_cast<HANDLE>(file);
}

int lastError(bool failed)
{
    return failed ? lastErrorNumber() : 0;
}

FileIdentity identityOf(const BY_HANDLE_FILE_INFORMATION &info)
{
    return {info.dwVolumeSerialNumber, quint64(info.nFileIndexHigh) << 32 | info.nFileIndexLow,
            info.nNumberOfLinks, info.dwFileAttributes};
}

/** Splits a full path into the folder (a drive's root keeps its "\\") and the name. */
void split(const QString &path, PendingFile::State &s)
{
    const QString folder = path.left(path.lastIndexOf(u'\\'));
    s.folder = (folder.endsWith(u':') ? folder + u'\\' : folder).toUtf8();
    s.name = path.mid(path.lastIndexOf(u'\\') + 1).toUtf8();
}

/** What the file at `path` is, through a handle, and the path it really has. */
int identify(const QByteArray &path, FileKind &kind, FileIdentity &identity, QString &real)
{
    const HANDLE handle = CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lastErrorNumber();
    const DWORD type = GetFileType(handle);
    BY_HANDLE_FILE_INFORMATION info = {};
    const int error = lastError(!GetFileInformationByHandle(handle, &info));
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetFinalPathNameByHandleW(handle, buffer, DWORD(std::size(buffer)), 0);
    CloseHandle(handle);
    identity = identityOf(info);
    kind = type == FILE_TYPE_PIPE                          ? FileKind::NamedPipe
        : type != FILE_TYPE_DISK                           ? FileKind::Device
        : info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? FileKind::Folder
                                                           : FileKind::Regular;
    real = length > 0 && length < std::size(buffer) ? QString::fromWCharArray(buffer, int(length))
                                                    : QString();
    if (real.startsWith(QLatin1String("\\\\?\\UNC\\")))
        real = QStringLiteral("\\\\") + real.mid(8);
    else if (real.startsWith(QLatin1String("\\\\?\\")))
        real = real.mid(4);
    return type == FILE_TYPE_DISK ? error : 0;
}

} // namespace

QString locate(const QByteArray &path, PendingFile::State &s)
{
    // CON, NUL, COM1, \\.\PhysicalDrive0...: devices, in every folder, whatever follows a dot.
    static const QRegularExpression device(
        QStringLiteral(
            R"(^(\\\\|//)\.[\\/]|(^|[\\/:])\s*(CON|PRN|AUX|NUL|CONIN\$|CONOUT\$|COM[1-9])"
            R"(|LPT[1-9])\s*(\.[^\\/]*)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString given = QString::fromUtf8(path);
    if (device.match(given).hasMatch()) {
        s.name = path;
        s.kind = FileKind::Device;
        return {};
    }
    if (given.endsWith(u'/') || given.endsWith(u'\\'))
        return {}; // no name
    // The name as the system reads it: absolute, "." and ".." gone, and trailing dots and
    // spaces dropped ("a.csv." and "a.csv " are a.csv).
    wchar_t full[MAX_PATH * 4];
    const DWORD length =
        GetFullPathNameW(wide(path).c_str(), DWORD(std::size(full)), full, nullptr);
    if (length == 0 || length >= std::size(full))
        return systemErrorReason(length == 0 ? lastErrorNumber() : ENAMETOOLONG);
    split(QString::fromWCharArray(full, int(length)), s);
    // Checked before writing: the temporary file's short name would fail only at the very end.
    if (QString::fromUtf8(s.name).size() > kLongestName)
        return systemErrorReason(ENAMETOOLONG);
    FileKind folder;
    QString real;
    if (const int error = identify(s.folder, folder, s.folderIdentity, real))
        return folderReason(error, s.folder);
    if (folder != FileKind::Folder)
        return folderReason(ENOTDIR, s.folder);
    const int error = identify(pathInFolder(s, s.name), s.kind, s.target, real);
    if (error == ENOENT)
        s.kind = FileKind::Absent;
    else if (error != 0)
        return systemErrorReason(error);
    else if (!real.isEmpty())
        split(real, s);
    s.writeError = s.target.mode & FILE_ATTRIBUTE_READONLY ? EACCES : 0;
    return {};
}

QByteArray pathInFolder(const PendingFile::State &s, const QByteArray &name)
{
    return s.folder.endsWith('\\') ? s.folder + name : s.folder + '\\' + name;
}

int createFile(PendingFile::State &s, const QByteArray &name)
{
    // Others may delete it: a console's Ctrl+C ends the run from another thread. ReplaceFileW
    // gives it the replaced file's rights, or fails.
    s.file = NativeFile(CreateFileW(wide(pathInFolder(s, name)).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_DELETE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
    return lastError(s.file == kNoFile);
}

int openTarget(PendingFile::State &s, FileIdentity &opened)
{
    s.file = NativeFile(CreateFileW(wide(pathInFolder(s, s.name)).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (s.file == kNoFile || !GetFileInformationByHandle(handleOf(s.file), &info))
        return lastErrorNumber();
    opened = identityOf(info);
    return 0;
}

int reserve(NativeFile file, qsizetype size)
{
    // Only ever more: an allocation below the file's size would cut it.
    LARGE_INTEGER current;
    FILE_ALLOCATION_INFO wanted = {};
    wanted.AllocationSize.QuadPart = size;
    return lastError(
        GetFileSizeEx(handleOf(file), &current) && current.QuadPart < size
        && !SetFileInformationByHandle(handleOf(file), FileAllocationInfo, &wanted, sizeof wanted));
}

int writeWhole(NativeFile file, const QByteArray &bytes, bool cut)
{
    const HANDLE handle = handleOf(file);
    const LARGE_INTEGER start = {};
    if (!SetFilePointerEx(handle, start, nullptr, FILE_BEGIN))
        return lastErrorNumber();
    const int error = writeAllTo(handle, bytes);
    return error ? error : lastError((cut && !SetEndOfFile(handle)) || !FlushFileBuffers(handle));
}

int closeFile(NativeFile &file)
{
    const HANDLE handle = handleOf(std::exchange(file, kNoFile));
    return handle == INVALID_HANDLE_VALUE ? 0 : lastError(!CloseHandle(handle));
}

int renameOver(PendingFile::State &s)
{
    const std::wstring target = wide(pathInFolder(s, s.name));
    const std::wstring temporary = wide(pathInFolder(s, s.temporary));
    // A replaced file keeps its attributes (hidden, archive: set here, as ReplaceFileW leaves
    // the new file's).
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE
        | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (s.exists() && !SetFileAttributesW(temporary.c_str(), s.target.mode & kKept))
        return lastErrorNumber();
    const bool renamed = s.exists()
        ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                       nullptr, nullptr)
        : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (renamed)
        s.temporary.clear();
    return lastError(!renamed);
}

void removeTemporary(const PendingFile::State &s)
{
    DeleteFileW(wide(pathInFolder(s, s.temporary)).c_str());
}

} // namespace app
