// SPDX-License-Identifier: MIT
// What PendingFile knows of one file, and the system calls it is written with, one twin per
// system (native_files_posix.cpp, native_files_windows.cpp). What is refused, whether the file
// is replaced or written in place, and the words for it are native_files.cpp's.
#pragma once

#include "native_files.h"
#include "run_leftovers.h"

#include <optional>

namespace app {

enum class FileKind { Absent, Regular, Folder, Device, Fifo, NamedPipe, Socket, Other };

/** One file as the system tells it from every other, whatever name led to it. */
struct FileIdentity
{
    quint64 volume = 0;
    quint64 index = 0;
    quint64 links = 0; ///< its names (hard links)
    quint32 mode = 0; ///< st_mode, or the Windows attributes
    quint32 owner = 0;
    quint32 group = 0;
    bool operator==(const FileIdentity &o) const { return volume == o.volume && index == o.index; }
};

extern const char kSeparator; ///< between a folder and a name in it

/** A descriptor or a HANDLE; -1 is neither (INVALID_HANDLE_VALUE is -1 too). */
using NativeFile = qintptr;
constexpr NativeFile kNoFile = -1;

struct PendingFile::State
{
    QByteArray folder; ///< the target's folder as the path leads to it (UTF-8 on Windows)
    QByteArray name; ///< the target's name in it; none where the path names a folder
    NativeFile folderHandle = kNoFile; ///< held so that the file is renamed where it lies
    NativeFile held = kNoFile; ///< an existing target, held so that its number stays its own
    FileKind kind = FileKind::Absent;
    int writeError = 0; ///< why an existing target may not be written (EACCES: read-only)
    FileIdentity target;
    FileIdentity folderIdentity;
    bool standardOutput = false; ///< the path names the standard output
    bool toOutput = false; ///< ... a pipe, socket or terminal: the bytes go there
    bool inPlace = false; ///< written into the target itself
    QByteArray bytes; ///< in place: what commit() writes
    QByteArray temporary; ///< the new file's name in the folder
    std::optional<Leftover> leftover;
    NativeFile file = kNoFile;

    bool exists() const { return kind != FileKind::Absent; }
    /** The path of `name` in the target's folder (a root such as "/" or "C:\\" ends with one). */
    QByteArray inFolder(const QByteArray &name) const
    {
        return folder.endsWith(kSeparator) ? folder + name : folder + kSeparator + name;
    }
    void dropTemporary();
    ~State();
};

// The twins' calls; each returns 0 or the error number (errno's, Windows codes translated).
constexpr int kOwnerNotKept = -1; ///< the new file could not have the target's owner
constexpr int kOverSizeLimit = -2; ///< EFBIG, from the run's own limit (ulimit -f)

/** Fills in what State holds of the target, up to folderIdentity; a refusal of its own. */
QString locate(const QByteArray &path, PendingFile::State &s);
/**
 * Opens `name` in the target's folder as s.file and tells which file that is: the target itself
 * as it stands, any other name as a new file (EEXIST when taken) with the target's owner and mode.
 */
int openFile(PendingFile::State &s, const QByteArray &name, FileIdentity &opened);
/** Room for `size` bytes where the system can reserve it, keeping what the file holds. */
int reserve(NativeFile file, qsizetype size);
/** All of `bytes` from the start of a file opened for them, flushed to the disk; with `cut`,
    nothing after. */
int writeWhole(NativeFile file, const QByteArray &bytes, bool cut);
int closeFile(NativeFile &file);
/** Puts s.temporary (cleared once renamed) under the target's name, the name to the disk. */
int renameOver(PendingFile::State &s);
void removeTemporary(const PendingFile::State &s);
extern const bool kCaseBlindNames; ///< names differing in case alone are one name

QString quoted(const QByteArray &path);
QString folderReason(int error, const QByteArray &folder);

} // namespace app
