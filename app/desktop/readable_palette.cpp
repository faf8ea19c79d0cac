// SPDX-License-Identifier: MIT
#include "readable_palette.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QStyle>
#include <QTimer>

namespace app {

namespace {

/** Swaps a dark palette for a light one; false when the palette is light already. */
bool replaceDarkPalette()
{
    if (!isDarkPalette(QApplication::palette()))
        return false;
    QPalette light = QApplication::style()->standardPalette();
    if (isDarkPalette(light)) {
        // The classic light scheme: grey faces, black text, white boxes, a blue selection.
        light = QPalette(QColor(239, 239, 239));
        light.setColor(QPalette::WindowText, Qt::black);
        light.setColor(QPalette::Text, Qt::black);
        light.setColor(QPalette::ButtonText, Qt::black);
        light.setColor(QPalette::Base, Qt::white);
        light.setColor(QPalette::Highlight, QColor(48, 140, 198));
        light.setColor(QPalette::HighlightedText, Qt::white);
    }
    QApplication::setPalette(light);
    return true;
}

/** Watches the application's palette: a desktop turned dark while the program runs. */
class DarkPaletteWatch : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Not from inside the change itself: Qt is still handing the new palette round.
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            QTimer::singleShot(0, this, &replaceDarkPalette);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

bool isDarkPalette(const QPalette &palette)
{
    return palette.color(QPalette::WindowText).lightnessF()
        > palette.color(QPalette::Window).lightnessF();
}

void useReadablePalette()
{
    replaceDarkPalette();
    if (!qApp->findChild<DarkPaletteWatch *>(QString(), Qt::FindDirectChildrenOnly))
        qApp->installEventFilter(new DarkPaletteWatch(qApp));
}

} // namespace app

#include "readable_palette.moc"
