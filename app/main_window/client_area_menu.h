// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QStandardPaths>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QTimer;
class QWidget;

namespace app {

class ClientArea;
class PatternSource;
struct SaveFailure;

/**
 * The context menu of the main window's client area: "Kopiuj obraz", "Zapisz obraz…" and
 * "Zapisz dane…" (in a browser also "Kopiuj link do tego ustawienia"). It opens under the right
 * button or a long press on the client area, and from the keyboard by the Menu key or
 * Shift+F10 anywhere in the window (the pictures take no keyboard focus of their own). Nothing
 * it opens runs a loop of its own: a browser has none.
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /** Bytes offered to the user as a file, and how to ask for its name. */
    struct FileOffer
    {
        QString title;
        QString filter;
        QString fileName; ///< the name proposed, which says the setting
        QStandardPaths::StandardLocation firstFolder;
        QByteArray bytes;
    };

    void popupAt(QPoint areaPosition);
    void saveImage();
    void saveData();

    // Each system's own (client_area_menu_desktop.cpp, client_area_menu_web.cpp).
    /** Actions only this system's menu has. */
    void addSystemActions();
    void copyImage();
    /** The user chooses where `offer` goes (the desktop's dialog, the browser's download). */
    void offerFile(const FileOffer &offer);

    // The desktop's file dialog and its questions, each ending in the next step.
    void askFileName(const FileOffer &offer, const QString &folder, const QString &fileName);
    void confirmReplace(const FileOffer &offer, const QString &path);
    void save(const FileOffer &offer, const QString &path);
    /** The reason in a message box over the window; `then` runs once the user closed it. */
    void showFailure(const QString &title, const SaveFailure &failure,
                     std::function<void()> then = {});

    ClientArea &m_area;
    const PatternSource &m_source;
    QWidget &m_window;
    QMenu *m_menu = nullptr;
    QAction *m_copyImage = nullptr;
    QAction *m_saveImage = nullptr;
    QAction *m_saveData = nullptr;
    QString m_lastFolder; ///< where the user saved last in this session
    QTimer *m_longPress; ///< a touch held still this long opens the menu
    QPoint m_touchStart;
};

} // namespace app
