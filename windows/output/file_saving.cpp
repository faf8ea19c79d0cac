// SPDX-License-Identifier: MIT
#include "file_saving.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <vector>

namespace windows {

namespace {

// The longest name one folder entry may have on the file systems in use [bytes].
constexpr qsizetype kLongestName = 255;

/**
 * What is wrong with the name itself. Checked before writing: the temporary file has no name
 * of its own until it is renamed, so such a name would fail only at the very end.
 */
QString nameProblem(const QString &path)
{
    const QFileInfo target(path);
    const QString name = target.fileName();
    if (name.isEmpty())
        return QStringLiteral("nie podano nazwy pliku");
    if (name.toLocal8Bit().size() > kLongestName)
        return QStringLiteral("nazwa pliku jest za długa");
    if (target.isDir())
        return QStringLiteral("„%1” jest folderem").arg(QDir::toNativeSeparators(path));
    return {};
}

/** Why `file` could not be written to `path`, told from the folder and the error it met. */
QString failureReason(const QString &path, const QSaveFile &file)
{
    if (const QString problem = nameProblem(path); !problem.isEmpty())
        return problem;
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.filePath());
    if (!folder.exists())
        return QStringLiteral("folder „%1” nie istnieje").arg(folderName);
    if (!folder.isDir())
        return QStringLiteral("„%1” nie jest folderem").arg(folderName);
    if (!folder.isWritable())
        return QStringLiteral("brak uprawnień do zapisu w folderze „%1”").arg(folderName);
    if (target.exists() && !target.isWritable())
        return QStringLiteral("plik jest tylko do odczytu");
    if (file.error() == QFileDevice::ResourceError)
        return QStringLiteral("brak miejsca na dysku");
    // Anything else the system said, in its own words.
    return QStringLiteral("błąd systemu plików (%1)").arg(file.errorString());
}

} // namespace

std::optional<SaveFailure> saveWhole(std::span<const FileContent> files)
{
    // Every file is opened and written before any takes its name; the QSaveFiles not committed
    // remove their temporary files when they go.
    std::vector<std::unique_ptr<QSaveFile>> saves;
    for (const FileContent &content : files) {
        auto &file = saves.emplace_back(std::make_unique<QSaveFile>(content.path));
        const bool written = nameProblem(content.path).isEmpty() && file->open(QIODevice::WriteOnly)
            && file->write(content.bytes) == content.bytes.size() && file->flush();
        if (!written)
            return SaveFailure {content.path, failureReason(content.path, *file)};
    }
    for (std::size_t i = 0; i < saves.size(); ++i) {
        if (!saves[i]->commit())
            return SaveFailure {files[i].path, failureReason(files[i].path, *saves[i])};
    }
    return std::nullopt;
}

} // namespace windows
