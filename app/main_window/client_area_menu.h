// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStandardPaths>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace app {

class ClientArea;
class PatternSource;
struct FileContent;
struct SaveFailure;

/**
 * The context menu of the main window's client area: "Kopiuj obraz", "Zapisz obraz…" and
 * "Zapisz dane…". It opens under the right button on the client area, and from the keyboard by
 * the Menu key or Shift+F10 anywhere in the window (the pictures take no keyboard focus of
 * their own).
 */
class ClientAreaMenu : public QObject
{
    Q_OBJECT

public:
    /**
     * Builds the menu for `area` of `window`, which is its parent and owns the dialogs it opens;
     * the pictures and data come from `source`, which outlives it.
     */
    ClientAreaMenu(ClientArea &area, const PatternSource &source, QWidget &window);

    /** The menu, made the first time it is needed: nothing of it slows the start. */
    QMenu *menu();
    QAction *copyImageAction()
    {
        menu();
        return m_copyImage;
    }
    QAction *saveImageAction()
    {
        menu();
        return m_saveImage;
    }
    QAction *saveDataAction()
    {
        menu();
        return m_saveData;
    }

private:
    void copyImage();
    void saveImage();
    void saveData();
    /** The desktop's save dialog; an empty string when the user gave up. */
    QString askFileName(const QString &title, const QString &filter, const QString &fileName,
                        QStandardPaths::StandardLocation firstFolder);
    bool confirmReplace(const QString &title, const QString &path);
    void save(const QString &title, const FileContent &content);
    /** The reason in a message box over the window. */
    void showFailure(const QString &title, const SaveFailure &failure);

    ClientArea &m_area;
    const PatternSource &m_source;
    QWidget &m_window;
    QMenu *m_menu = nullptr;
    QAction *m_copyImage = nullptr;
    QAction *m_saveImage = nullptr;
    QAction *m_saveData = nullptr;
    QString m_lastFolder; ///< where the user saved last in this session
};

} // namespace app
