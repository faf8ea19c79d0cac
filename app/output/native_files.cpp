// SPDX-License-Identifier: MIT
// Writing one file whole, as every system does it: what is refused, whether the file is
// replaced or written in place, and the words for each failure. The calls are the twins'.
#include "native_file_calls.h"

#include "language.h"
#include "standard_streams.h"
#include "system_error.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cerrno>

namespace app {

namespace {

QString kindReason(FileKind kind)
{
    static const char *const reasons[] = {
        "",
        "",
        QT_TRANSLATE_NOOP("Files", "to folder, a nie zwykły plik"),
        QT_TRANSLATE_NOOP("Files", "to urządzenie, a nie zwykły plik"),
        QT_TRANSLATE_NOOP("Files", "to potok nazwany (FIFO), a nie zwykły plik"),
        QT_TRANSLATE_NOOP("Files", "to potok nazwany, a nie zwykły plik"),
        QT_TRANSLATE_NOOP("Files", "to gniazdo, a nie zwykły plik"),
    };
    return kind == FileKind::Other ? translate("Files", "to nie jest zwykły plik")
                                   : translate("Files", reasons[int(kind)]);
}

QString reason(int error)
{
    if (error == kOverSizeLimit)
        return translate("Files", "plik przekroczyłby dozwolony rozmiar plików (ulimit -f)");
    return error ? systemErrorReason(error) : QString();
}

} // namespace

QString quoted(const QByteArray &path)
{
    return translate("Files", "„%1”").arg(shownPath(path));
}

QString folderReason(int error, const QByteArray &folder)
{
    const QString text = error == ENOENT ? translate("Files", "folder %1 nie istnieje")
        : error == ENOTDIR               ? translate("Files", "%1 nie jest folderem")
        : error == EACCES                ? translate("Files", "brak dostępu do folderu %1")
                                         : QString();
    return text.isEmpty() ? systemErrorReason(error) : text.arg(quoted(folder));
}

void PendingFile::State::dropTemporary()
{
    closeFile(file);
    if (!temporary.isEmpty())
        removeTemporary(*this);
    temporary.clear();
    leftover.reset();
}

PendingFile::State::~State()
{
    dropTemporary();
    closeFile(held);
    closeFile(folderHandle);
}

PendingFile::PendingFile() = default;
PendingFile::~PendingFile() = default;

QString PendingFile::check(const QByteArray &path)
{
    m_state = std::make_unique<State>();
    State &s = *m_state;
    if (path.isEmpty())
        return translate("Files", "nie podano nazwy pliku");
    if (const QString problem = locate(path, s); !problem.isEmpty() || s.toOutput)
        return problem;
    if (s.name.isEmpty())
        return translate("Files", "%1 to folder, a nie nazwa pliku").arg(quoted(path));
    if (s.exists() && s.kind != FileKind::Regular)
        return kindReason(s.kind);
    if (s.exists() && s.writeError == EACCES)
        return translate("Files", "plik jest tylko do odczytu");
    return s.exists() ? reason(s.writeError) : QString();
}

QString PendingFile::open(const QByteArray &path)
{
    if (const QString problem = check(path); !problem.isEmpty() || m_state->toOutput)
        return problem;
    State &s = *m_state;
    // Another name of the same file would be left with the old bytes.
    s.inPlace = s.exists() && s.target.links > 1;
    // A name of fixed length, so that the longest allowed target name still fits.
    for (int attempt = 0; attempt < 100 && !s.inPlace && s.file == kNoFile; ++attempt) {
        const QByteArray name =
            ".falorys-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Known to endRun() before it exists: the run may be ended the moment it does.
        s.leftover.emplace(pathInFolder(s, name));
        const int error = createFile(s, name);
        if (s.file == kNoFile)
            s.leftover.reset();
        else
            s.temporary = name;
        if (error == kOwnerNotKept) // then the old file is written instead
            s.dropTemporary();
        if (error == 0)
            continue;
        // A file its user may write in a folder they may not is written in place.
        s.inPlace = error == kOwnerNotKept || ((error == EACCES || error == EPERM) && s.exists());
        if ((error == EACCES || error == EPERM) && !s.inPlace)
            return translate("Files", "brak uprawnień do zapisu w folderze %1")
                .arg(quoted(s.folder));
        if (error != EEXIST && !s.inPlace)
            return systemErrorReason(error);
    }
    FileIdentity opened;
    if (const int error = s.inPlace ? openTarget(s, opened) : 0)
        return systemErrorReason(error);
    if (s.inPlace && !(opened == s.target))
        return translate("Files", "plik zmienił się w trakcie zapisu");
    return s.file == kNoFile ? systemErrorReason(EEXIST) : QString();
}

bool PendingFile::isStandardOutput() const
{
    return m_state->standardOutput;
}

QString PendingFile::write(const QByteArray &bytes)
{
    State &s = *m_state;
    if (s.toOutput)
        return reason(writeStandardStream(StandardStream::Output, bytes));
    if (s.inPlace) {
        // The old bytes stay until commit(); a full disk shows now, where that can be known.
        s.bytes = bytes;
        const int error = bytes.isEmpty() ? 0 : reserve(s.file, bytes.size());
        return error == EOPNOTSUPP || error == EINVAL ? QString() : reason(error);
    }
    const int error = writeWhole(s.file, bytes, false);
    const int closing = closeFile(s.file);
    return reason(error ? error : closing);
}

QString PendingFile::commit()
{
    State &s = *m_state;
    holdEndingSignals();
    if (s.toOutput)
        return {};
    if (s.inPlace)
        return reason(writeWhole(s.file, s.bytes, true));
    const int error = renameOver(s);
    if (s.temporary.isEmpty())
        s.leftover.reset();
    return reason(error);
}

bool PendingFile::sameTarget(const PendingFile &other) const
{
    const State &a = *m_state;
    const State &b = *other.m_state;
    if (a.standardOutput || b.standardOutput)
        return a.standardOutput && b.standardOutput;
    if (a.exists() && b.exists())
        return a.target == b.target;
    const auto name = [](const State &s) { return QString::fromUtf8(s.name); };
    return a.folderIdentity == b.folderIdentity
        && (a.name == b.name
            || (kCaseBlindNames && name(a).compare(name(b), Qt::CaseInsensitive) == 0));
}

} // namespace app
