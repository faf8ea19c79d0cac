// SPDX-License-Identifier: MIT
#include "file_saving.h"

#include "command_line.h"
#include "native_files.h"
#include "standard_streams.h"

#include <QDir>

#include <cerrno>
#include <list>

namespace app {

namespace {

const QString kStandardOutput = QStringLiteral("-");

} // namespace

QString systemErrorReason(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("brak miejsca na dysku");
    case EACCES:
    case EPERM:
        return QStringLiteral("brak uprawnień");
    case EROFS:
        return QStringLiteral("system plików jest tylko do odczytu");
    case ENAMETOOLONG:
        return QStringLiteral("nazwa pliku jest za długa");
    case EIO:
        return QStringLiteral("błąd odczytu lub zapisu na nośniku");
    case ENOENT:
        return QStringLiteral("folder nie istnieje");
    case ENOTDIR:
        return QStringLiteral("część ścieżki nie jest folderem");
    case EISDIR:
        return QStringLiteral("to folder, a nie zwykły plik");
    case ELOOP:
        return QStringLiteral("dowiązania symboliczne na ścieżce tworzą pętlę");
    case EFBIG:
        return QStringLiteral("plik byłby za duży dla tego systemu plików");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("za dużo otwartych plików");
    case ENOMEM:
        return QStringLiteral("brak pamięci");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("plik jest w użyciu");
    case EINVAL:
        return QStringLiteral("ta nazwa pliku jest niedozwolona w tym systemie plików");
    case EBADF:
        return QStringLiteral("wyjście jest zamknięte");
    case EPIPE:
        return QStringLiteral("odbiorca danych zakończył pracę");
    default:
        return QStringLiteral("nieoczekiwany błąd systemu nr %1").arg(error);
    }
}

QString fromNativeBytes(QByteArrayView bytes)
{
    // The least code point of each length: longer forms of smaller ones are not UTF-8.
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = uchar(bytes[i]);
        const int length = lead < 0x80 ? 1
            : (lead >> 5) == 0x6       ? 2
            : (lead >> 4) == 0xE       ? 3
            : (lead >> 3) == 0x1E      ? 4
                                       : 0;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length > 0 && i + length <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = uchar(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        valid = valid && c >= kLeast[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        if (!valid) {
            text += QChar(char16_t(0xDC00 + lead));
            ++i;
            continue;
        }
        text += QString::fromUcs4(&c, 1);
        i += length;
    }
    return text;
}

QByteArray nativeBytes(const QString &text)
{
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const bool kept = unit >= 0xDC80 && unit <= 0xDCFF
            && !(i > 0 && QChar::isHighSurrogate(text[i - 1].unicode()));
        if (!kept)
            continue;
        bytes += QStringView(text).mid(start, i - start).toUtf8();
        bytes += char(unit - 0xDC00);
        start = i + 1;
    }
    return bytes + QStringView(text).mid(start).toUtf8();
}

QString saveFailureText(const SaveFailure &failure)
{
    if (failure.path == kStandardOutput)
        return QStringLiteral("nie można zapisać na standardowe wyjście: ") + failure.reason;
    return QStringLiteral("nie można zapisać pliku „%1”: %2")
        .arg(QDir::toNativeSeparators(failure.path), failure.reason);
}

int printOutput(const QString &text)
{
    if (const int error = tellUser(StandardStream::Output, text)) {
        printError(QStringLiteral("falorys: ")
                   + saveFailureText({kStandardOutput, systemErrorReason(error), {}}));
        return kWriteFailureExitCode;
    }
    return 0;
}

void printError(const QString &line)
{
    tellUser(StandardStream::Error, line + u'\n');
}

QString targetProblem(const QString &path)
{
    PendingFile file;
    return file.check(nativeBytes(path));
}

std::optional<SaveFailure> saveWhole(std::span<const FileContent> files)
{
    struct Pending
    {
        PendingFile file;
        const FileContent *content = nullptr;
    };
    // Every file is opened and written before any takes its name; those not committed remove
    // their temporary files when they go.
    std::list<Pending> pending;
    const FileContent *toOutput = nullptr;
    for (const FileContent &content : files) {
        if (content.path == kStandardOutput) {
            toOutput = &content;
            continue;
        }
        Pending &next = pending.emplace_back();
        next.content = &content;
        if (const QString reason = next.file.open(nativeBytes(content.path)); !reason.isEmpty())
            return SaveFailure {content.path, reason, {}};
        for (const Pending &earlier : pending) {
            if (&earlier != &next && next.file.sameTarget(earlier.file))
                return SaveFailure {content.path, QStringLiteral("ten sam plik"),
                                    earlier.content->path};
        }
    }
    for (Pending &p : pending) {
        if (const QString reason = p.file.write(p.content->bytes); !reason.isEmpty())
            return SaveFailure {p.content->path, reason, {}};
    }
    if (toOutput) {
        if (const int error = writeStandardStream(StandardStream::Output, toOutput->bytes))
            return SaveFailure {kStandardOutput, systemErrorReason(error), {}};
    }
    for (Pending &p : pending) {
        if (const QString reason = p.file.commit(); !reason.isEmpty())
            return SaveFailure {p.content->path, reason, {}};
    }
    return std::nullopt;
}

} // namespace app
