// SPDX-License-Identifier: MIT
// The Windows calls behind PendingFile: the target looked at through a handle (what it is,
// where a link leads, which file it is), the new file made in the folder the target really lies
// in and put in its place with its attributes and rights.
#include "native_file_calls.h"

#include "system_error.h"
#include "windows_calls.h"

#include <windows.h>

#include <cerrno>
#include <string>
#include <utility>

namespace app {

const char kSeparator = '\\';
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
    // \\?\C:\... and \\?\UNC\server\... as the paths the program was given are written.
    real = length > 0 && length < std::size(buffer) ? QString::fromWCharArray(buffer, int(length))
                                                    : QString();
    if (real.startsWith(QLatin1String("\\\\?\\UNC\\")))
        real.remove(2, 6);
    else if (real.startsWith(QLatin1String("\\\\?\\")))
        real.remove(0, 4);
    return type == FILE_TYPE_DISK ? error : 0;
}

} // namespace

QString locate(const QByteArray &path, PendingFile::State &s)
{
    if (path.endsWith('/') || path.endsWith('\\'))
        return {}; // no name
    // The name as the system reads it: absolute, "." and ".." gone, trailing dots and spaces
    // dropped ("a.csv." and "a.csv " are a.csv), and a device in every folder (CON, NUL.txt,
    // COM1) as \\.\NUL, where \\.\PhysicalDrive0 and its like stay.
    wchar_t full[MAX_PATH * 4];
    const DWORD length =
        GetFullPathNameW(wide(path).c_str(), DWORD(std::size(full)), full, nullptr);
    if (length == 0 || length >= std::size(full))
        return systemErrorReason(length == 0 ? lastErrorNumber() : ENAMETOOLONG);
    const QString given = QString::fromWCharArray(full, int(length));
    if (given.startsWith(QLatin1String("\\\\.\\"))) {
        s.name = path;
        s.kind = FileKind::Device;
        return {};
    }
    split(given, s);
    // Checked before writing: the temporary file's short name would fail only at the very end.
    if (QString::fromUtf8(s.name).size() > kLongestName)
        return systemErrorReason(ENAMETOOLONG);
    FileKind folder;
    QString real;
    if (const int error = identify(s.folder, folder, s.folderIdentity, real))
        return folderReason(error, s.folder);
    if (folder != FileKind::Folder)
        return folderReason(ENOTDIR, s.folder);
    real.clear();
    // Where a link leads: the new file is made beside the file it names.
    const int error = identify(s.inFolder(s.name), s.kind, s.target, real);
    if (error != 0 && error != ENOENT)
        return systemErrorReason(error);
    if (!real.isEmpty())
        split(real, s);
    s.writeError = s.target.mode & FILE_ATTRIBUTE_READONLY ? EACCES : 0;
    return {};
}

int openFile(PendingFile::State &s, const QByteArray &name, FileIdentity &opened)
{
    // The new file, others may delete: a console's Ctrl+C ends the run from another thread.
    // ReplaceFileW gives it the replaced file's rights, or fails.
    const bool target = name == s.name;
    s.file = NativeFile(CreateFileW(
        wide(s.inFolder(name)).c_str(), GENERIC_WRITE,
        target ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : FILE_SHARE_DELETE,
        nullptr, target ? OPEN_EXISTING : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
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
    const std::wstring target = wide(s.inFolder(s.name));
    const std::wstring temporary = wide(s.inFolder(s.temporary));
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
    DeleteFileW(wide(s.inFolder(s.temporary)).c_str());
}

} // namespace app
