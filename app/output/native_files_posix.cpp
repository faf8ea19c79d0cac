// SPDX-License-Identifier: MIT
// Writing files whole and the run's runtime folder with the POSIX calls themselves: Qt's file
// classes hide the error number and resolve symbolic links where the kernel's rules no longer
// apply.
#include "native_files.h"

#include "file_saving.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace app {

namespace {

// How many symbolic links one path may pass through, as the kernel's own walk allows.
constexpr int kMaxLinks = 40;

// A folder held only to be walked from, which needs no right to read it.
#ifdef O_PATH
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

QString quoted(const QByteArray &path)
{
    return QStringLiteral("„%1”").arg(fromNativeBytes(path));
}

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    if (folder.isEmpty() || folder.endsWith('/'))
        return folder + name;
    return folder + '/' + name;
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

QString notRegularReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("to folder, a nie zwykły plik");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("to urządzenie, a nie zwykły plik");
    if (S_ISFIFO(mode))
        return QStringLiteral("to potok nazwany (FIFO), a nie zwykły plik");
    if (S_ISSOCK(mode))
        return QStringLiteral("to gniazdo, a nie zwykły plik");
    return QStringLiteral("to nie jest zwykły plik");
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
        if (n < 0)
            return {};
        if (n < target.size())
            return target.left(n);
        target.resize(target.size() * 2);
    }
}

void closeFile(int &fd)
{
    if (fd >= 0)
        ::close(std::exchange(fd, -1));
}

} // namespace

struct PendingFile::State
{
    int folder = -1; ///< the target's folder, reached the way the kernel would
    QByteArray folderShown; ///< that folder as the path leads to it, for messages
    QByteArray name;
    bool exists = false;
    struct stat target = {};
    struct stat folderStat = {};
    QByteArray temporary;
    int file = -1;
    bool committed = false;

    /** Steps into `name`, a folder, from the folder held now. */
    bool enter(const char *name)
    {
        const int next = ::openat(folder, name, kFolderFlags | O_NOFOLLOW);
        if (next < 0)
            return false;
        closeFile(folder);
        folder = next;
        return true;
    }

    ~State()
    {
        closeFile(file);
        if (!temporary.isEmpty() && !committed)
            ::unlinkat(folder, temporary.constData(), 0);
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
    // The path is walked one name at a time, as the kernel walks it, so that each link is
    // judged in the folder it lies in and the file is renamed in the folder it really is in.
    std::deque<QByteArray> rest;
    const auto putFirst = [&rest](const QByteArray &part) {
        const QList<QByteArray> names = part.split('/');
        rest.insert(rest.begin(), names.begin(), names.end());
    };
    const bool absolute = path.startsWith('/');
    s.folder = ::open(absolute ? "/" : ".", kFolderFlags);
    QByteArray walked = absolute ? QByteArray("/") : QByteArray();
    putFirst(path);
    int links = 0;
    while (!rest.empty()) {
        const QByteArray part = rest.front();
        rest.pop_front();
        const bool last = rest.empty();
        if (part.isEmpty() || part == "." || part == "..") {
            if (last)
                return QStringLiteral("%1 to folder, a nie nazwa pliku").arg(quoted(path));
            if (part == "..") {
                walked = joined(walked, part);
                if (!s.enter(".."))
                    return folderReason(errno, walked);
            }
            continue;
        }
        struct stat st;
        if (s.folder < 0 || ::fstatat(s.folder, part.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && last) {
                s.name = part;
                break;
            }
            return folderReason(errno,
                                last ? (walked.isEmpty() ? "." : walked) : joined(walked, part));
        }
        if (S_ISLNK(st.st_mode)) {
            if (!mayFollow(s.folder, st))
                return QStringLiteral("%1 to dowiązanie symboliczne innego użytkownika w folderze, "
                                      "do którego każdy może pisać; program za nim nie podąża")
                    .arg(quoted(joined(walked, part)));
            if (++links > kMaxLinks)
                return QStringLiteral("dowiązania symboliczne na ścieżce %1 tworzą pętlę")
                    .arg(quoted(path));
            const QByteArray target = linkTarget(s.folder, part);
            if (target.isEmpty())
                return systemErrorReason(errno);
            if (target.startsWith('/')) {
                closeFile(s.folder);
                s.folder = ::open("/", kFolderFlags);
                walked = "/";
            }
            putFirst(target);
            continue;
        }
        if (last) {
            s.name = part;
            s.exists = true;
            s.target = st;
            break;
        }
        if (!S_ISDIR(st.st_mode))
            return folderReason(ENOTDIR, joined(walked, part));
        walked = joined(walked, part);
        if (!s.enter(part.constData()))
            return folderReason(errno, walked);
    }
    s.folderShown = walked.isEmpty() ? QByteArray(".") : walked;
    if (::fstat(s.folder, &s.folderStat) != 0)
        return systemErrorReason(errno);
    if (s.exists && !S_ISREG(s.target.st_mode))
        return notRegularReason(s.target.st_mode);
    if (s.exists && ::faccessat(s.folder, s.name.constData(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES ? QStringLiteral("plik jest tylko do odczytu")
                               : systemErrorReason(errno);
    return {};
}

QString PendingFile::open(const QByteArray &path)
{
    if (const QString problem = check(path); !problem.isEmpty())
        return problem;
    State &s = *m_state;
    // A name of fixed length, so that the longest allowed target name still fits.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name =
            ".falorys-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        s.file =
            ::openat(s.folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (s.file >= 0) {
            s.temporary = name;
            return {};
        }
        if (errno == EACCES || errno == EPERM)
            return QStringLiteral("brak uprawnień do zapisu w folderze %1")
                .arg(quoted(s.folderShown));
        if (errno != EEXIST)
            return systemErrorReason(errno);
    }
    return systemErrorReason(EEXIST);
}

QString PendingFile::write(const QByteArray &bytes)
{
    State &s = *m_state;
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(s.file, data, std::size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return systemErrorReason(errno);
        data += n;
        left -= n;
    }
    // A replaced file keeps who may read and write it.
    if (s.exists && ::fchmod(s.file, s.target.st_mode & 0777) != 0)
        return systemErrorReason(errno);
    if (::fsync(s.file) != 0)
        return systemErrorReason(errno);
    if (::close(std::exchange(s.file, -1)) != 0)
        return systemErrorReason(errno);
    return {};
}

QString PendingFile::commit()
{
    State &s = *m_state;
    if (::renameat(s.folder, s.temporary.constData(), s.folder, s.name.constData()) != 0)
        return systemErrorReason(errno);
    s.committed = true;
    return {};
}

bool PendingFile::sameTarget(const PendingFile &other) const
{
    const State &a = *m_state;
    const State &b = *other.m_state;
    if (a.exists && b.exists && a.target.st_dev == b.target.st_dev
        && a.target.st_ino == b.target.st_ino)
        return true;
    return a.folderStat.st_dev == b.folderStat.st_dev && a.folderStat.st_ino == b.folderStat.st_ino
        && a.name == b.name;
}

void keepRunningOnClosedPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}

RuntimeFolderForRun::RuntimeFolderForRun()
{
    // Qt ignores a relative one, as the XDG rules say.
    if (qEnvironmentVariable("XDG_RUNTIME_DIR").startsWith(u'/'))
        return;
    const QByteArray own = "/run/user/" + QByteArray::number(::geteuid());
    struct stat st;
    if (::lstat(own.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
        && (st.st_mode & 07777) == 0700) {
        qputenv("XDG_RUNTIME_DIR", own);
        return;
    }
    QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/falorys-XXXXXX";
    if (::mkdtemp(folder.data())) {
        m_made = folder;
        qputenv("XDG_RUNTIME_DIR", m_made);
    }
}

RuntimeFolderForRun::~RuntimeFolderForRun()
{
    removeMade();
}

void RuntimeFolderForRun::removeMade()
{
    if (!m_made.isEmpty())
        QDir(QFile::decodeName(m_made)).removeRecursively();
}

} // namespace app
