// SPDX-License-Identifier: MIT
#include "standard_streams.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace app {

namespace {

bool closedAtStart[3] = {};

} // namespace

void keepStandardStreamsOpen()
{
    // A closed one would be the number of the next file opened, which would then get what
    // was meant for it: /dev/null holds its place, and writing to it fails as it would have.
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF)
            closedAtStart[fd] = ::open("/dev/null", O_RDWR) == fd;
    }
    // A reader that goes away (`falorys --export-csv - | head`) makes writing fail with EPIPE,
    // which is told, instead of ending the run by a signal.
    std::signal(SIGPIPE, SIG_IGN);
}

int writeStandardStream(StandardStream stream, const QByteArray &bytes)
{
    const bool error = stream == StandardStream::Error;
    if (closedAtStart[error ? STDERR_FILENO : STDOUT_FILENO])
        return EBADF;
    std::FILE *file = error ? stderr : stdout;
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file)
            == std::size_t(bytes.size())
        && std::fflush(file) == 0)
        return 0;
    return errno != 0 ? errno : EIO;
}

int tellUser(StandardStream stream, const QString &text)
{
    return writeStandardStream(stream, text.toUtf8());
}

} // namespace app
