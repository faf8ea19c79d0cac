// SPDX-License-Identifier: MIT
#include "windows_calls.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace app {

int lastErrorNumber()
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
        {ERROR_BROKEN_PIPE, EPIPE},
        {ERROR_NO_DATA, EPIPE},
        {ERROR_INVALID_HANDLE, EBADF},
        {ERROR_NOT_SUPPORTED, EOPNOTSUPP},
        {ERROR_CALL_NOT_IMPLEMENTED, EOPNOTSUPP}, // Wine's, for reserving room
    };
    const DWORD error = GetLastError();
    for (const auto &[code, number] : known) {
        if (code == error)
            return number;
    }
    return EIO;
}

int writeAllTo(void *handle, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 20));
        if (!WriteFile(handle, bytes.constData() + done, chunk, &written, nullptr) || written == 0)
            return lastErrorNumber();
        done += written;
    }
    return 0;
}

} // namespace app
