// SPDX-License-Identifier: MIT
// What the Windows twins of the output share.
#pragma once

#include <QByteArray>

namespace app {

/** The error number systemErrorReason knows for the Windows error code GetLastError() gives. */
int lastErrorNumber();

/** Writes all of `bytes` to a file or pipe `handle` (a HANDLE) from where it stands: 0 or the
    error number. */
int writeAllTo(void *handle, const QByteArray &bytes);

} // namespace app
