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

// Why an existing file of each kind is not written.
const char *const kKindReasons[] = {
    "",
    "",
    QT_TRANSLATE_NOOP("Files", "to folder, a nie zwykły plik"),
    QT_TRANSLATE_NOOP("Files", "to urządzenie, a nie zwykły plik"),
    QT_TRANSLATE_NOOP("Files", "to potok nazwany (FIFO), a nie zwykły plik"),
    QT_TRANSLATE_NOOP("Files", "to potok nazwany, a nie zwykły plik"),
    QT_TRANSLATE_NOOP("Files", "to gniazdo, a nie zwykły plik"),
    QT_TRANSLATE_NOOP("Files", "to nie jest zwykły plik"),
};

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
    if (s.kind != FileKind::Absent && s.kind != FileKind::Regular)
        return translate("Files", kKindReasons[int(s.kind)]);
    return s.writeError == EACCES ? translate("Files", "plik jest tylko do odczytu")
                                  : reason(s.writeError);
}

QString PendingFile::open(const QByteArray &path)
{
    if (const QString problem = check(path); !problem.isEmpty() || m_state->toOutput)
        return problem;
    State &s = *m_state;
    // Another name of the same file would be left with the old bytes: it is written in place, as
    // one whose owner the new file could not have.
    int error = s.exists() && s.target.links > 1 ? kOwnerNotKept : EEXIST;
    FileIdentity opened;
    // A short name of its own, so that the longest allowed target name still fits.
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        const QByteArray name =
            ".falorys-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Known to endRun() before it exists: the run may be ended the moment it does.
        s.leftover.emplace(s.inFolder(name));
        error = openFile(s, name, opened);
        if (s.file != kNoFile)
            s.temporary = name;
        if (error != 0)
            s.dropTemporary();
    }
    // Where the new file could not have the old one's owner, or its user may write the file in a
    // folder they may not, the old file is written instead.
    s.inPlace = s.exists() && (error == kOwnerNotKept || error == EACCES || error == EPERM);
    if (!s.inPlace && (error == EACCES || error == EPERM))
        return translate("Files", "brak uprawnień do zapisu w folderze %1").arg(quoted(s.folder));
    if (s.inPlace)
        error = openFile(s, s.name, opened);
    if (s.inPlace && error == 0 && !(opened == s.target))
        return translate("Files", "plik zmienił się w trakcie zapisu");
    return reason(error);
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
