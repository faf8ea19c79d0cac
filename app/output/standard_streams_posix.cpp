// SPDX-License-Identifier: MIT
#include "standard_streams.h"

#include "file_saving.h"

#include <cerrno>
#include <cstdio>

namespace app {

int writeStandardStream(StandardStream stream, const QByteArray &bytes)
{
    std::FILE *file = stream == StandardStream::Error ? stderr : stdout;
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file)
            == std::size_t(bytes.size())
        && std::fflush(file) == 0)
        return 0;
    return errno != 0 ? errno : EIO;
}

int tellUser(StandardStream stream, const QString &text)
{
    // In the bytes its names came in, even those that are not UTF-8.
    return writeStandardStream(stream, nativeBytes(text));
}

} // namespace app
