// SPDX-License-Identifier: MIT
#include "file_saving.h"

#include "command_line.h"
#include "language.h"
#include "native_files.h"
#include "standard_streams.h"
#include "system_error.h"

#include <QDir>

#include <list>

namespace app {

namespace {

const QByteArray kStandardOutput = QByteArrayLiteral("-");

} // namespace

QString saveFailureText(const SaveFailure &failure)
{
    if (failure.path == kStandardOutput)
        return translate("Files", "nie można zapisać na standardowe wyjście: ") + failure.reason;
    return translate("Files", "nie można zapisać pliku „%1”: %2")
        .arg(QDir::toNativeSeparators(shownPath(failure.path)), failure.reason);
}

int printOutput(const QString &text)
{
    if (const int error = tellUser(StandardStream::Output, text)) {
        printError(QStringLiteral("falorys: ")
                   + saveFailureText({kStandardOutput, systemErrorReason(error)}));
        return kWriteFailureExitCode;
    }
    return 0;
}

void printError(const QString &line)
{
    tellUser(StandardStream::Error, withControlsEscaped(line) + u'\n');
}

QString targetProblem(const QByteArray &path)
{
    PendingFile file;
    return file.check(path);
}

std::optional<SaveFailure> saveWhole(std::span<const FileContent> files)
{
    struct Pending
    {
        PendingFile file;
        const FileContent *content = nullptr;
    };
    const FileContent *toOutput = nullptr;
    for (const FileContent &content : files) {
        if (content.path == kStandardOutput)
            toOutput = &content;
    }
    // Every file is opened and written before any takes its name; those not committed remove
    // their temporary files when they go.
    std::list<Pending> pending;
    for (const FileContent &content : files) {
        if (&content == toOutput)
            continue;
        Pending &next = pending.emplace_back();
        next.content = &content;
        if (const QString reason = next.file.open(content.path); !reason.isEmpty())
            return SaveFailure {content.path, reason};
        if (toOutput && next.file.isStandardOutput())
            return SaveFailure {content.path, translate("Files", "ten sam plik"), true};
        for (const Pending &earlier : pending) {
            if (&earlier != &next && next.file.sameTarget(earlier.file))
                return SaveFailure {content.path, translate("Files", "ten sam plik"), true};
        }
    }
    // What goes to the standard output goes last: a failure before leaves it untouched.
    for (const bool output : {false, true}) {
        for (Pending &p : pending) {
            if (p.file.isStandardOutput() != output)
                continue;
            if (const QString reason = p.file.write(p.content->bytes); !reason.isEmpty())
                return SaveFailure {p.content->path, reason};
        }
    }
    if (toOutput) {
        if (const int error = writeStandardStream(StandardStream::Output, toOutput->bytes))
            return SaveFailure {kStandardOutput, systemErrorReason(error)};
    }
    for (Pending &p : pending) {
        if (const QString reason = p.file.commit(); !reason.isEmpty())
            return SaveFailure {p.content->path, reason};
    }
    return std::nullopt;
}

} // namespace app
