// SPDX-License-Identifier: MIT
// The context menu's outputs on a desktop: the system's clipboard, a save dialog and files.
#include "client_area_menu.h"

#include "file_saving.h"
#include "modal_opening.h"
#include "pattern_source.h"
#include "system_error.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace app {

void ClientAreaMenu::addSystemActions() { }

void ClientAreaMenu::copyImage()
{
    QGuiApplication::clipboard()->setImage(m_source.picture());
}

void ClientAreaMenu::offerFile(const FileOffer &offer)
{
    QString folder = m_lastFolder;
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(offer.firstFolder);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    askFileName(offer, folder, offer.fileName);
}

void ClientAreaMenu::askFileName(const FileOffer &offer, const QString &folder,
                                 const QString &fileName)
{
    auto *dialog = new QFileDialog(&m_window, offer.title, folder, offer.filter);
    dialog->setObjectName(QStringLiteral("SaveDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // Asked below in Polish, the same whichever dialog the desktop provides.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    // Qt's own dialog, where the desktop has none, speaks the program's language too.
    dialog->setLabelText(QFileDialog::LookIn, ClientAreaMenu::tr("Folder:"));
    dialog->setLabelText(QFileDialog::FileName, ClientAreaMenu::tr("Nazwa pliku:"));
    dialog->setLabelText(QFileDialog::FileType, ClientAreaMenu::tr("Typ pliku:"));
    dialog->setLabelText(QFileDialog::Accept, ClientAreaMenu::tr("Zapisz"));
    dialog->setLabelText(QFileDialog::Reject, ClientAreaMenu::tr("Anuluj"));
    dialog->selectFile(fileName);
    openModal(dialog, [this, dialog, offer](int result) {
        const QStringList chosen = dialog->selectedFiles();
        if (result != QDialog::Accepted || chosen.isEmpty())
            return;
        QString path = chosen.constFirst();
        // The extension goes only on a name that names nothing yet: one typed whole, such as
        // /dev/null, is judged as typed.
        const QFileInfo typed(path);
        if (typed.suffix().isEmpty() && !typed.exists() && !typed.isSymLink())
            path += u'.' + QFileInfo(offer.fileName).suffix();
        m_lastFolder = typed.absolutePath();
        // A device, a folder or another user's link is refused before any question of
        // replacing, and the dialog comes back.
        if (const QString problem = targetProblem(path.toUtf8()); !problem.isEmpty()) {
            showFailure(offer.title, {path.toUtf8(), problem}, [this, offer, path] {
                askFileName(offer, m_lastFolder, QFileInfo(path).fileName());
            });
        } else if (QFileInfo::exists(path)) {
            confirmReplace(offer, path);
        } else {
            save(offer, path);
        }
    });
}

void ClientAreaMenu::confirmReplace(const FileOffer &offer, const QString &path)
{
    auto *box = new QMessageBox(QMessageBox::Question, offer.title,
                                ClientAreaMenu::tr("Plik „%1” już istnieje. Czy go zastąpić?")
                                    .arg(QFileInfo(path).fileName()),
                                QMessageBox::NoButton, &m_window);
    QPushButton *replace = box->addButton(ClientAreaMenu::tr("Zastąp"), QMessageBox::AcceptRole);
    box->setDefaultButton(box->addButton(ClientAreaMenu::tr("Anuluj"), QMessageBox::RejectRole));
    openModal(box, [this, box, replace, offer, path](int) {
        if (box->clickedButton() == replace)
            save(offer, path);
        else
            askFileName(offer, m_lastFolder, QFileInfo(path).fileName());
    });
}

void ClientAreaMenu::save(const FileOffer &offer, const QString &path)
{
    const FileContent content {path.toUtf8(), offer.bytes};
    if (const auto failure = saveWhole({&content, 1}))
        showFailure(offer.title, *failure);
}

void ClientAreaMenu::showFailure(const QString &title, const SaveFailure &failure,
                                 std::function<void()> then)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title,
                                ClientAreaMenu::tr("Nie udało się zapisać pliku „%1”.")
                                    .arg(QDir::toNativeSeparators(shownPath(failure.path))),
                                QMessageBox::Ok, &m_window);
    box->setInformativeText(
        ClientAreaMenu::tr("Przyczyna: %1. Nic nie zostało zapisane.").arg(failure.reason));
    openModal(box, [then = std::move(then)](int) {
        if (then)
            then();
    });
}

} // namespace app
