// SPDX-License-Identifier: MIT
#include "client_area_menu.h"

#include "client_area.h"
#include "pattern_export.h"
#include "pattern_output.h"
#include "pattern_source.h"
#include "screen_strip.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTimer>
#include <QTouchEvent>

namespace app {

ClientAreaMenu::ClientAreaMenu(ClientArea &area, const PatternSource &source, QWidget &window)
    : QObject(&window),
      m_area(area),
      m_source(source),
      m_window(window),
      m_longPress(new QTimer(this))
{
    area.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&area, &QWidget::customContextMenuRequested, this, &ClientAreaMenu::popupAt);
    area.setAttribute(Qt::WA_AcceptTouchEvents);
    area.installEventFilter(this);
    m_longPress->setSingleShot(true);
    connect(m_longPress, &QTimer::timeout, this, [this] {
        popupAt(m_touchStart);
        // Until the finger lifts; see eventFilter.
        QCoreApplication::instance()->installEventFilter(this);
    });

    // From the keyboard the menu opens over the middle of the strip.
    auto *keys = new QAction(&window);
    keys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    keys->setShortcutContext(Qt::WindowShortcut);
    window.addAction(keys);
    connect(keys, &QAction::triggered, this, [this] {
        const QPoint stripMiddle = drawing::kStripOrigin
            + QPoint(drawing::kStripSize.width() / 2, drawing::kStripSize.height() / 2);
        popupAt(stripMiddle);
    });
}

QMenu *ClientAreaMenu::menu()
{
    if (m_menu)
        return m_menu;
    m_menu = new QMenu(&m_area);
    m_menu->setObjectName(QStringLiteral("ClientAreaMenu"));
    m_menu->setAccessibleName(ClientAreaMenu::tr("Obraz i dane"));
    m_copyImage =
        m_menu->addAction(ClientAreaMenu::tr("Kopiuj obraz"), this, &ClientAreaMenu::copyImage);
    m_saveImage =
        m_menu->addAction(ClientAreaMenu::tr("Zapisz obraz…"), this, &ClientAreaMenu::saveImage);
    m_saveData =
        m_menu->addAction(ClientAreaMenu::tr("Zapisz dane…"), this, &ClientAreaMenu::saveData);
    m_copyImage->setToolTip(
        ClientAreaMenu::tr("Kopiuje obraz okna, 632 × 434 piksele, do schowka"));
    m_saveImage->setToolTip(ClientAreaMenu::tr("Zapisuje obraz okna do pliku PNG"));
    m_saveData->setToolTip(
        ClientAreaMenu::tr("Zapisuje położenie, natężenie i kolor 361 kolumn ekranu do pliku CSV"));
    addSystemActions();
    return m_menu;
}

void ClientAreaMenu::popupAt(QPoint areaPosition)
{
    menu()->popup(m_area.mapToGlobal(areaPosition));
}

void ClientAreaMenu::saveImage()
{
    offerFile({ClientAreaMenu::tr("Zapisz obraz"), ClientAreaMenu::tr("Obraz PNG (*.png)"),
               defaultFileName(m_source.setting(), QStringLiteral("png")),
               QStandardPaths::PicturesLocation, pngBytes(m_source.picture())});
}

void ClientAreaMenu::saveData()
{
    offerFile({ClientAreaMenu::tr("Zapisz dane"), ClientAreaMenu::tr("Dane CSV (*.csv)"),
               defaultFileName(m_source.setting(), QStringLiteral("csv")),
               QStandardPaths::DocumentsLocation, currentPatternCsv(m_source)});
}

bool ClientAreaMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_area) {
        // On the application while the finger that opened the menu stays down: its moving and
        // lifting are not a touch of the menu, which Qt would make of them, closing it.
        const QEvent::Type type = event->type();
        if (type != QEvent::TouchUpdate && type != QEvent::TouchEnd && type != QEvent::TouchCancel)
            return false;
        if (type != QEvent::TouchUpdate)
            QCoreApplication::instance()->removeEventFilter(this);
        event->accept();
        return true;
    }
    // A long press opens the menu on a touch screen. A touch on a control is the control's:
    // left alone, it reaches it as mouse events.
    switch (event->type()) {
    case QEvent::TouchBegin: {
        const auto *touch = static_cast<QTouchEvent *>(event);
        const QPoint at = touch->points().constFirst().position().toPoint();
        if (touch->pointCount() != 1 || m_area.childAt(at))
            return false;
        m_touchStart = at;
        m_longPress->start(QGuiApplication::styleHints()->mousePressAndHoldInterval());
        event->accept();
        return true;
    }
    case QEvent::TouchUpdate: {
        const auto *touch = static_cast<QTouchEvent *>(event);
        const QPoint moved = touch->points().constFirst().position().toPoint() - m_touchStart;
        if (touch->pointCount() != 1
            || moved.manhattanLength() > QGuiApplication::styleHints()->startDragDistance())
            m_longPress->stop();
        return true;
    }
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        m_longPress->stop();
        return true;
    case QEvent::MouseButtonPress:
        // The right button's press belongs to the menu it opens: in the browser, Qt closes
        // every popup, this one too, after a press that nothing took.
        return static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
    default:
        return false;
    }
}

} // namespace app
