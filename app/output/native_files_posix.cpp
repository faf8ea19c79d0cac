// SPDX-License-Identifier: MIT
// The POSIX calls behind PendingFile: Qt's file classes hide the error number and resolve
// symbolic links where the kernel's rules no longer apply.
#include "native_file_calls.h"

#include "language.h"
#include "system_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <utility>

namespace app {

const bool kCaseBlindNames = false;

namespace {

// How many symbolic links one path may pass through, as the kernel's own walk allows.
constexpr int kMaxLinks = 40;

// The kernel's own file systems, /proc and /sys (linux/magic.h).
constexpr long kProcFileSystem = 0x9fa0;
constexpr long kSysFileSystem = 0x62656572;

FileIdentity identityOf(const struct stat &st)
{
    return {quint64(st.st_dev),  quint64(st.st_ino), quint64(st.st_nlink),
            quint32(st.st_mode), quint32(st.st_uid), quint32(st.st_gid)};
}

FileKind kindOf(mode_t mode)
{
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    return S_ISREG(mode) ? FileKind::Regular
        : S_ISDIR(mode)  ? FileKind::Folder
        : S_ISFIFO(mode) ? FileKind::Fifo
        : S_ISSOCK(mode) ? FileKind::Socket
                         : FileKind::Other;
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

/** errno where `failed`, told apart when it is the run's own file size limit. */
int lastError(bool failed, int error = errno)
{
    struct rlimit limit;
    if (failed && error == EFBIG && ::getrlimit(RLIMIT_FSIZE, &limit) == 0
        && limit.rlim_cur != RLIM_INFINITY)
        return kOverSizeLimit;
    return failed ? error : 0;
}

} // namespace

QString locate(const QByteArray &path, PendingFile::State &s)
{
    struct stat st;
    struct stat output;
    s.standardOutput = ::fstat(STDOUT_FILENO, &output) == 0 && ::stat(path.constData(), &st) == 0
        && identityOf(output) == identityOf(st);
    // /dev/stdout, /proc/self/fd/1: written as "-" would be, where no file takes a new name.
    s.toOutput = s.standardOutput
        && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || ::isatty(STDOUT_FILENO));
    if (s.toOutput)
        return {};
    // The folders on the way are the kernel's to resolve; a link in the last place is followed
    // here, judged in the folder it lies in, so that the file it names is the one replaced.
    QByteArray wanted = path;
    for (int links = 0;; ++links) {
        const qsizetype slash = wanted.lastIndexOf('/');
        s.folder = slash < 0 ? "." : slash == 0 ? "/" : wanted.left(slash);
        s.name = wanted.mid(slash + 1);
        if (s.name == "." || s.name == "..")
            s.name.clear();
        if (s.name.isEmpty())
            return {};
        closeFile(s.folderHandle);
        const int folder = ::open(s.folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if ((s.folderHandle = folder) < 0)
            return folderReason(errno, s.folder);
        if (::fstatat(folder, s.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return systemErrorReason(errno);
            break;
        }
        if (!S_ISLNK(st.st_mode)) {
            s.held = ::openat(folder, s.name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
            if (s.held < 0 || ::fstat(int(s.held), &st) != 0)
                return systemErrorReason(errno);
            s.target = identityOf(st);
            s.kind = kindOf(st.st_mode);
            s.writeError =
                lastError(::faccessat(folder, s.name.constData(), W_OK, AT_EACCESS) != 0);
            break;
        }
        if (!mayFollow(folder, st))
            return translate("Files",
                             "%1 to dowiązanie symboliczne innego użytkownika w folderze, "
                             "do którego każdy może pisać; program za nim nie podąża")
                .arg(quoted(wanted));
        if (links == kMaxLinks)
            return translate("Files", "dowiązania symboliczne na ścieżce %1 tworzą pętlę")
                .arg(quoted(path));
        const QByteArray target = linkTarget(folder, s.name);
        if (target.isEmpty())
            return systemErrorReason(errno);
        wanted = target.startsWith('/') ? target : pathInFolder(s, target);
    }
    struct statfs fs;
    if (::fstat(int(s.folderHandle), &st) != 0 || ::fstatfs(int(s.folderHandle), &fs) != 0)
        return systemErrorReason(errno);
    s.folderIdentity = identityOf(st);
    if (fs.f_type == kProcFileSystem || fs.f_type == kSysFileSystem)
        return translate("Files", "to plik jądra systemu (/proc, /sys), a nie zwykły plik");
    return {};
}

QByteArray pathInFolder(const PendingFile::State &s, const QByteArray &name)
{
    return s.folder + '/' + name;
}

int createFile(PendingFile::State &s, const QByteArray &name)
{
    const int file = ::openat(int(s.folderHandle), name.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if ((s.file = file) < 0 || !s.exists())
        return file < 0 ? errno : 0;
    struct stat made;
    if (::fstat(file, &made) != 0)
        return errno;
    // Owner, group and mode; setgid too, which fchown clears.
    if ((made.st_uid != s.target.owner || made.st_gid != s.target.group)
        && ::fchown(file, s.target.owner, s.target.group) != 0)
        return kOwnerNotKept;
    return lastError(::fchmod(file, s.target.mode & 07777) != 0);
}

int openTarget(PendingFile::State &s, FileIdentity &opened)
{
    s.file = ::openat(int(s.folderHandle), s.name.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat st;
    if (s.file < 0 || ::fstat(int(s.file), &st) != 0)
        return errno;
    opened = identityOf(st);
    return 0;
}

int reserve(NativeFile file, qsizetype size)
{
    const int error = ::posix_fallocate(int(file), 0, off_t(size));
    return lastError(error != 0, error);
}

int writeWhole(NativeFile file, const QByteArray &bytes, bool cut)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(int(file), bytes.constData() + done,
                                   std::size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno != EINTR)
            return lastError(true);
        done += std::max<ssize_t>(n, 0);
    }
    return lastError((cut && ::ftruncate(int(file), off_t(bytes.size())) != 0)
                     || ::fsync(int(file)) != 0);
}

int closeFile(NativeFile &file)
{
    return file < 0 ? 0 : lastError(::close(int(std::exchange(file, kNoFile))) != 0);
}

int renameOver(PendingFile::State &s)
{
    const int folder = int(s.folderHandle);
    if (::renameat(folder, s.temporary.constData(), folder, s.name.constData()) != 0)
        return errno;
    s.temporary.clear();
    // The new name itself reaches the disk, not only the bytes.
    NativeFile synced = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int error = synced < 0 || ::fsync(int(synced)) == 0 || errno == EINVAL ? 0 : errno;
    closeFile(synced);
    return error;
}

void removeTemporary(const PendingFile::State &s)
{
    ::unlinkat(int(s.folderHandle), s.temporary.constData(), 0);
}

} // namespace app
