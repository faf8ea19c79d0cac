// SPDX-License-Identifier: MIT
// Writing files whole with the POSIX calls themselves: Qt's file classes hide the error number
// and resolve symbolic links where the kernel's rules no longer apply.
#include "native_files.h"

#include "run_leftovers.h"
#include "standard_streams.h"
#include "system_error.h"

#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <utility>

namespace app {

namespace {

// How many symbolic links one path may pass through, as the kernel's own walk allows.
constexpr int kMaxLinks = 40;

// The kernel's own file systems, /proc and /sys (linux/magic.h).
constexpr long kProcFileSystem = 0x9fa0;
constexpr long kSysFileSystem = 0x62656572;

QString quoted(const QByteArray &path)
{
    return QStringLiteral("„%1”").arg(shownPath(path));
}

QString folderReason(int error, const QByteArray &folder)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("folder %1 nie istnieje").arg(quoted(folder));
    case ENOTDIR:
        return QStringLiteral("%1 nie jest folderem").arg(quoted(folder));
    case EACCES:
        return QStringLiteral("brak dostępu do folderu %1").arg(quoted(folder));
    default:
        return systemErrorReason(error);
    }
}

QString writeReason(int error)
{
    struct rlimit limit;
    if (error == EFBIG && ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        return QStringLiteral("plik przekroczyłby dozwolony rozmiar plików (ulimit -f)");
    return systemErrorReason(error);
}

QString notRegularReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("to folder, a nie zwykły plik");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("to urządzenie, a nie zwykły plik");
    if (S_ISFIFO(mode))
        return QStringLiteral("to potok nazwany (FIFO), a nie zwykły plik");
    return S_ISSOCK(mode) ? QStringLiteral("to gniazdo, a nie zwykły plik")
                          : QStringLiteral("to nie jest zwykły plik");
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

/**
 * The kernel's rule for links in a folder anyone may write to and only owners may delete from
 * (/tmp): follow one only when it is the follower's or the folder owner's.
 */
bool mayFollow(int folder, const struct stat &link)
{
    struct stat f;
    if (::fstat(folder, &f) != 0)
        return false;
    const bool shared = (f.st_mode & S_ISVTX) && (f.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == f.st_uid;
}

QByteArray linkTarget(int folder, const QByteArray &name)
{
    QByteArray target(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlinkat(folder, name.constData(), target.data(), target.size());
        if (n < target.size())
            return n < 0 ? QByteArray() : target.left(n);
        target.resize(target.size() * 2);
    }
}

void closeFile(int &fd)
{
    if (fd >= 0)
        ::close(std::exchange(fd, -1));
}

/** Writes all of `bytes` from the start of `fd`; 0 or the error number. */
int writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n =
            ::pwrite(fd, bytes.constData() + done, std::size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno != EINTR)
            return errno;
        done += std::max<ssize_t>(n, 0);
    }
    return 0;
}

} // namespace

struct PendingFile::State
{
    int folder = -1; ///< the target's folder, held so that the file is renamed where it lies
    QByteArray folderPath; ///< that folder as the path leads to it
    QByteArray name;
    int held = -1; ///< an existing target, held so that its number names no other file meanwhile
    struct stat target = {};
    struct stat folderStat = {};
    bool standardOutput = false; ///< the path names the standard output
    bool toOutput = false; ///< ... a pipe, socket or terminal: the bytes go there
    bool inPlace = false; ///< written into the target itself
    QByteArray bytes; ///< in place: what commit() writes
    QByteArray temporary;
    std::optional<Leftover> leftover;
    int file = -1;

    bool exists() const { return held >= 0; }

    void dropTemporary()
    {
        closeFile(file);
        if (!temporary.isEmpty())
            ::unlinkat(folder, std::exchange(temporary, {}).constData(), 0);
        leftover.reset();
    }

    ~State()
    {
        dropTemporary();
        closeFile(held);
        closeFile(folder);
    }
};

PendingFile::PendingFile() = default;
PendingFile::~PendingFile() = default;

QString PendingFile::check(const QByteArray &path)
{
    m_state = std::make_unique<State>();
    State &s = *m_state;
    if (path.isEmpty())
        return QStringLiteral("nie podano nazwy pliku");
    struct stat output;
    struct stat named;
    s.standardOutput = ::fstat(STDOUT_FILENO, &output) == 0 && ::stat(path.constData(), &named) == 0
        && sameFile(output, named);
    // /dev/stdout, /proc/self/fd/1: written as "-" would be, where no file takes a new name.
    s.toOutput = s.standardOutput
        && (S_ISFIFO(named.st_mode) || S_ISSOCK(named.st_mode) || ::isatty(STDOUT_FILENO));
    if (s.toOutput)
        return {};
    // The folders on the way are the kernel's to resolve; a link in the last place is followed
    // here, judged in the folder it lies in, so that the file it names is the one replaced.
    QByteArray wanted = path;
    for (int links = 0;; ++links) {
        const qsizetype slash = wanted.lastIndexOf('/');
        s.folderPath = slash < 0 ? "." : slash == 0 ? "/" : wanted.left(slash);
        s.name = wanted.mid(slash + 1);
        if (s.name.isEmpty() || s.name == "." || s.name == "..")
            return QStringLiteral("%1 to folder, a nie nazwa pliku").arg(quoted(path));
        closeFile(s.folder);
        s.folder = ::open(s.folderPath.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (s.folder < 0)
            return folderReason(errno, s.folderPath);
        struct stat st;
        if (::fstatat(s.folder, s.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return systemErrorReason(errno);
            break;
        }
        if (!S_ISLNK(st.st_mode)) {
            s.held = ::openat(s.folder, s.name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
            if (s.held < 0 || ::fstat(s.held, &s.target) != 0)
                return systemErrorReason(errno);
            break;
        }
        if (!mayFollow(s.folder, st))
            return QStringLiteral("%1 to dowiązanie symboliczne innego użytkownika w folderze, "
                                  "do którego każdy może pisać; program za nim nie podąża")
                .arg(quoted(wanted));
        if (links == kMaxLinks)
            return QStringLiteral("dowiązania symboliczne na ścieżce %1 tworzą pętlę")
                .arg(quoted(path));
        const QByteArray target = linkTarget(s.folder, s.name);
        if (target.isEmpty())
            return systemErrorReason(errno);
        wanted = target.startsWith('/') ? target : s.folderPath + '/' + target;
    }
    struct statfs fs;
    if (::fstat(s.folder, &s.folderStat) != 0 || ::fstatfs(s.folder, &fs) != 0)
        return systemErrorReason(errno);
    if (fs.f_type == kProcFileSystem || fs.f_type == kSysFileSystem)
        return QStringLiteral("to plik jądra systemu (/proc, /sys), a nie zwykły plik");
    if (s.exists() && !S_ISREG(s.target.st_mode))
        return notRegularReason(s.target.st_mode);
    if (s.exists() && ::faccessat(s.folder, s.name.constData(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES ? QStringLiteral("plik jest tylko do odczytu")
                               : systemErrorReason(errno);
    return {};
}

QString PendingFile::open(const QByteArray &path)
{
    if (const QString problem = check(path); !problem.isEmpty() || m_state->toOutput)
        return problem;
    State &s = *m_state;
    // Another name of the same file would be left with the old bytes.
    s.inPlace = s.exists() && s.target.st_nlink > 1;
    // A name of fixed length, so that the longest allowed target name still fits.
    for (int attempt = 0; attempt < 100 && !s.inPlace && s.file < 0; ++attempt) {
        const QByteArray name =
            ".falorys-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Known to endRun() before it exists: a signal may come the moment it does.
        s.leftover.emplace(s.folderPath + '/' + name);
        s.file =
            ::openat(s.folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (s.file >= 0) {
            s.temporary = name;
            continue;
        }
        const int error = errno;
        s.leftover.reset();
        if ((error == EACCES || error == EPERM) && s.exists())
            s.inPlace = true; // a file its user may write in a folder they may not
        else if (error == EACCES || error == EPERM)
            return QStringLiteral("brak uprawnień do zapisu w folderze %1")
                .arg(quoted(s.folderPath));
        else if (error != EEXIST)
            return systemErrorReason(error);
    }
    if (s.file >= 0 && s.exists()) {
        // The new file keeps the owner, group and mode (setgid too, which fchown clears) of the
        // one it replaces; where it cannot have them, the old file is written instead.
        struct stat made;
        if (::fstat(s.file, &made) != 0)
            return systemErrorReason(errno);
        if ((made.st_uid != s.target.st_uid || made.st_gid != s.target.st_gid)
            && ::fchown(s.file, s.target.st_uid, s.target.st_gid) != 0) {
            s.dropTemporary();
            s.inPlace = true;
        } else if (::fchmod(s.file, s.target.st_mode & 07777) != 0) {
            return systemErrorReason(errno);
        }
    }
    if (s.inPlace) {
        s.file = ::openat(s.folder, s.name.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
        struct stat opened;
        if (s.file < 0 || ::fstat(s.file, &opened) != 0)
            return systemErrorReason(errno);
        if (!sameFile(opened, s.target))
            return QStringLiteral("plik zmienił się w trakcie zapisu");
    }
    return s.file < 0 ? systemErrorReason(EEXIST) : QString();
}

bool PendingFile::isStandardOutput() const
{
    return m_state->standardOutput;
}

QString PendingFile::write(const QByteArray &bytes)
{
    State &s = *m_state;
    if (s.toOutput) {
        const int error = writeStandardStream(StandardStream::Output, bytes);
        return error ? systemErrorReason(error) : QString();
    }
    if (s.inPlace) {
        // The old bytes stay until commit(); a full disk shows now, where that can be known.
        s.bytes = bytes;
        const int error = bytes.isEmpty() ? 0 : ::posix_fallocate(s.file, 0, off_t(bytes.size()));
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL)
            return writeReason(error);
        return {};
    }
    if (const int error = writeAll(s.file, bytes))
        return writeReason(error);
    if (::fsync(s.file) != 0 || ::close(std::exchange(s.file, -1)) != 0)
        return writeReason(errno);
    return {};
}

QString PendingFile::commit()
{
    State &s = *m_state;
    holdEndingSignals();
    if (s.toOutput)
        return {};
    if (s.inPlace) {
        if (const int error = writeAll(s.file, s.bytes))
            return writeReason(error);
        if (::ftruncate(s.file, off_t(s.bytes.size())) != 0 || ::fsync(s.file) != 0)
            return writeReason(errno);
        return {};
    }
    if (::renameat(s.folder, s.temporary.constData(), s.folder, s.name.constData()) != 0)
        return systemErrorReason(errno);
    s.temporary.clear();
    s.leftover.reset();
    // The new name itself reaches the disk, not only the bytes.
    int folder = ::openat(s.folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = folder < 0 || ::fsync(folder) == 0 || errno == EINVAL;
    const int error = errno;
    closeFile(folder);
    return synced ? QString() : systemErrorReason(error);
}

bool PendingFile::sameTarget(const PendingFile &other) const
{
    const State &a = *m_state;
    const State &b = *other.m_state;
    if (a.standardOutput || b.standardOutput)
        return a.standardOutput && b.standardOutput;
    if (a.exists() && b.exists())
        return sameFile(a.target, b.target);
    return sameFile(a.folderStat, b.folderStat) && a.name == b.name;
}

} // namespace app
