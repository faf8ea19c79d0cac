// SPDX-License-Identifier: MIT
// Starts a program with FALORYS_EXIT_AFTER_FIRST_PAINT=1 and reports how long it took from just
// before the start to the end of its first complete paint, which the program prints to stderr
// as "first complete paint at <N> ns" (monotonic clock), and its peak resident memory.
//
//   falorys_startup_launch <program> [arguments...]
// prints one line: "<microseconds to first paint> <peak RSS in KiB>". Other lines the program
// writes to stderr are passed on. Exit status 0 when the paint was reported, 1 otherwise.
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const char *kTag = "first complete paint at ";
constexpr int kTimeoutMs = 60000; // a program that never paints is ended after this

long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Reads the child's stderr to its end: the reported time, or -1; other lines go to our stderr.
long long readReport(int fd, pid_t child)
{
    long long paintedAt = -1;
    std::string pending;
    char buffer[4096];
    const long long deadline = monotonicNanoseconds() + kTimeoutMs * 1000000LL;
    for (;;) {
        const long long left = (deadline - monotonicNanoseconds()) / 1000000;
        pollfd pfd {fd, POLLIN, 0};
        const int ready = poll(&pfd, 1, int(left > 0 ? left : 0));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            std::fprintf(stderr, "no first paint within %d ms: ending the program\n", kTimeoutMs);
            kill(child, SIGKILL);
            break;
        }
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        pending.append(buffer, std::size_t(n));
        std::size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (line.rfind(kTag, 0) == 0)
                paintedAt = std::atoll(line.c_str() + std::strlen(kTag));
            else
                std::fprintf(stderr, "%s\n", line.c_str());
        }
    }
    return paintedAt;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program> [arguments...]\n", argv[0]);
        return 2;
    }
    setenv("FALORYS_EXIT_AFTER_FIRST_PAINT", "1", 1);
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        return 2;
    }

    const long long startedAt = monotonicNanoseconds();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        dup2(pipeFds[1], STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execv(argv[1], argv + 1);
        std::perror("execv");
        _exit(127);
    }
    close(pipeFds[1]);
    const long long paintedAt = readReport(pipeFds[0], child);
    close(pipeFds[0]);

    int status = 0;
    rusage usage {};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) { }
    if (paintedAt < 0) {
        std::fprintf(stderr, "%s reported no first paint (status %d)\n", argv[1], status);
        return 1;
    }
    std::printf("%lld %ld\n", (paintedAt - startedAt) / 1000, usage.ru_maxrss);
    return 0;
}
