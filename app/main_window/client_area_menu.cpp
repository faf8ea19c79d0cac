// SPDX-License-Identifier: MIT
#include "client_area_menu.h"

#include "client_area.h"
#include "file_saving.h"
#include "pattern_output.h"
#include "screen_strip.h"
#include "system_error.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace app {

ClientAreaMenu::ClientAreaMenu(ClientArea &area, const PatternSource &source, QWidget &window)
    : QObject(&window), m_area(area), m_source(source), m_window(window)
{
    area.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&area, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { menu()->popup(m_area.mapToGlobal(pos)); });

    // From the keyboard the menu opens over the middle of the strip.
    auto *keys = new QAction(&window);
    keys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    keys->setShortcutContext(Qt::WindowShortcut);
    window.addAction(keys);
    connect(keys, &QAction::triggered, this, [this] {
        const QPoint stripMiddle = drawing::kStripOrigin
            + QPoint(drawing::kStripSize.width() / 2, drawing::kStripSize.height() / 2);
        menu()->popup(m_area.mapToGlobal(stripMiddle));
    });
}

QMenu *ClientAreaMenu::menu()
{
    if (m_menu)
        return m_menu;
    m_menu = new QMenu(&m_area);
    m_menu->setObjectName(QStringLiteral("ClientAreaMenu"));
    m_menu->setAccessibleName(QStringLiteral("Obraz i dane"));
    m_copyImage =
        m_menu->addAction(QStringLiteral("Kopiuj obraz"), this, &ClientAreaMenu::copyImage);
    m_saveImage =
        m_menu->addAction(QStringLiteral("Zapisz obraz…"), this, &ClientAreaMenu::saveImage);
    m_saveData = m_menu->addAction(QStringLiteral("Zapisz dane…"), this, &ClientAreaMenu::saveData);
    m_copyImage->setToolTip(QStringLiteral("Kopiuje obraz okna, 632 × 434 piksele, do schowka"));
    m_saveImage->setToolTip(QStringLiteral("Zapisuje obraz okna do pliku PNG"));
    m_saveData->setToolTip(
        QStringLiteral("Zapisuje położenie, natężenie i kolor 361 kolumn ekranu do pliku CSV"));
    return m_menu;
}

void ClientAreaMenu::copyImage()
{
    QGuiApplication::clipboard()->setImage(m_source.picture());
}

void ClientAreaMenu::saveImage()
{
    const QString title = QStringLiteral("Zapisz obraz");
    const QString path = askFileName(title, QStringLiteral("Obraz PNG (*.png)"),
                                     defaultFileName(m_source.setting(), QStringLiteral("png")),
                                     QStandardPaths::PicturesLocation);
    if (!path.isEmpty())
        save(title, {path.toUtf8(), pngBytes(m_source.picture())});
}

void ClientAreaMenu::saveData()
{
    const QString title = QStringLiteral("Zapisz dane");
    const QString path = askFileName(title, QStringLiteral("Dane CSV (*.csv)"),
                                     defaultFileName(m_source.setting(), QStringLiteral("csv")),
                                     QStandardPaths::DocumentsLocation);
    if (!path.isEmpty())
        save(title, {path.toUtf8(), currentPatternCsv(m_source)});
}

QString ClientAreaMenu::askFileName(const QString &title, const QString &filter,
                                    const QString &fileName,
                                    QStandardPaths::StandardLocation firstFolder)
{
    QString folder = m_lastFolder;
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(firstFolder);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();

    QFileDialog dialog(&m_window, title, folder, filter);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Asked below in Polish, the same whichever dialog the desktop provides.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Qt's own dialog, where the desktop has none, speaks the program's language too.
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Folder:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nazwa pliku:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Typ pliku:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Zapisz"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Anuluj"));
    dialog.selectFile(fileName);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        QString path = dialog.selectedFiles().constFirst();
        // The extension goes only on a name that names nothing yet: one typed whole, such as
        // /dev/null, is judged as typed.
        const QFileInfo typed(path);
        if (typed.suffix().isEmpty() && !typed.exists() && !typed.isSymLink())
            path += u'.' + QFileInfo(fileName).suffix();
        m_lastFolder = typed.absolutePath();
        // A device, a folder or another user's link is refused before any question of replacing.
        if (const QString problem = targetProblem(path.toUtf8()); !problem.isEmpty())
            showFailure(title, {path.toUtf8(), problem});
        else if (!QFileInfo::exists(path) || confirmReplace(title, path))
            return path;
    }
    return {};
}

bool ClientAreaMenu::confirmReplace(const QString &title, const QString &path)
{
    QMessageBox box(
        QMessageBox::Question, title,
        QStringLiteral("Plik „%1” już istnieje. Czy go zastąpić?").arg(QFileInfo(path).fileName()),
        QMessageBox::NoButton, &m_window);
    QPushButton *replace = box.addButton(QStringLiteral("Zastąp"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == replace;
}

void ClientAreaMenu::save(const QString &title, const FileContent &content)
{
    if (const auto failure = saveWhole({&content, 1}))
        showFailure(title, *failure);
}

void ClientAreaMenu::showFailure(const QString &title, const SaveFailure &failure)
{
    QMessageBox box(QMessageBox::Warning, title,
                    QStringLiteral("Nie udało się zapisać pliku „%1”.")
                        .arg(QDir::toNativeSeparators(shownPath(failure.path))),
                    QMessageBox::Ok, &m_window);
    box.setInformativeText(
        QStringLiteral("Przyczyna: %1. Nic nie zostało zapisane.").arg(failure.reason));
    box.exec();
}

} // namespace app
