// SPDX-License-Identifier: MIT
// The POSIX calls behind PendingFile: Qt's file classes hide the error number and resolve
// symbolic links where the kernel's rules no longer apply.
#include "native_file_calls.h"

#include "language.h"
#include "system_error.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <utility>

namespace app {

const char kSeparator = '/';
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
    return S_ISREG(mode)                 ? FileKind::Regular
        : S_ISDIR(mode)                  ? FileKind::Folder
        : S_ISCHR(mode) || S_ISBLK(mode) ? FileKind::Device
        : S_ISFIFO(mode)                 ? FileKind::Fifo
        : S_ISSOCK(mode)                 ? FileKind::Socket
                                         : FileKind::Other;
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
    struct stat folder;
    for (int links = 0;; ++links) {
        const qsizetype slash = wanted.lastIndexOf('/');
        s.folder = slash < 0 ? "." : slash == 0 ? "/" : wanted.left(slash);
        s.name = wanted.mid(slash + 1);
        if (s.name == "." || s.name == "..")
            s.name.clear();
        if (s.name.isEmpty())
            return {};
        closeFile(s.folderHandle);
        const int dir = ::open(s.folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if ((s.folderHandle = dir) < 0 || ::fstat(dir, &folder) != 0)
            return folderReason(errno, s.folder);
        if (::fstatat(dir, s.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return systemErrorReason(errno);
            break;
        }
        if (!S_ISLNK(st.st_mode)) {
            s.held = ::openat(dir, s.name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
            if (s.held < 0 || ::fstat(int(s.held), &st) != 0)
                return systemErrorReason(errno);
            s.target = identityOf(st);
            s.kind = kindOf(st.st_mode);
            s.writeError = lastError(::faccessat(dir, s.name.constData(), W_OK, AT_EACCESS) != 0);
            break;
        }
        // The kernel's rule for links in a folder anyone may write to and only owners may delete
        // from (/tmp): follow one only when it is the follower's or the folder owner's.
        const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
        if (shared && st.st_uid != ::geteuid() && st.st_uid != folder.st_uid)
            return translate("Files",
                             "%1 to dowiązanie symboliczne innego użytkownika w folderze, "
                             "do którego każdy może pisać; program za nim nie podąża")
                .arg(quoted(wanted));
        if (links == kMaxLinks)
            return translate("Files", "dowiązania symboliczne na ścieżce %1 tworzą pętlę")
                .arg(quoted(path));
        // A link's text is shorter than PATH_MAX, as the kernel keeps it.
        char target[PATH_MAX];
        const ssize_t length = ::readlinkat(dir, s.name.constData(), target, sizeof target);
        if (length < 0)
            return systemErrorReason(errno);
        const QByteArray text(target, length);
        wanted = text.startsWith('/') ? text : s.inFolder(text);
    }
    s.folderIdentity = identityOf(folder);
    struct statfs fs;
    if (::fstatfs(int(s.folderHandle), &fs) != 0)
        return systemErrorReason(errno);
    if (fs.f_type == kProcFileSystem || fs.f_type == kSysFileSystem)
        return translate("Files", "to plik jądra systemu (/proc, /sys), a nie zwykły plik");
    return {};
}

int openFile(PendingFile::State &s, const QByteArray &name, FileIdentity &opened)
{
    // The target itself without waiting, should a FIFO have taken its place since it was checked.
    const bool target = name == s.name;
    const int flags = target ? O_NOFOLLOW | O_NONBLOCK : O_CREAT | O_EXCL;
    s.file = ::openat(int(s.folderHandle), name.constData(), O_WRONLY | O_CLOEXEC | flags, 0666);
    struct stat st;
    if (s.file < 0 || ::fstat(int(s.file), &st) != 0)
        return errno;
    opened = identityOf(st);
    if (target || !s.exists())
        return 0;
    // Owner, group and mode; setgid too, which fchown clears.
    if ((st.st_uid != s.target.owner || st.st_gid != s.target.group)
        && ::fchown(int(s.file), s.target.owner, s.target.group) != 0)
        return kOwnerNotKept;
    return lastError(::fchmod(int(s.file), s.target.mode & 07777) != 0);
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
