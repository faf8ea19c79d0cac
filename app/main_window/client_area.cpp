// SPDX-License-Identifier: MIT
#include "client_area.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace app {

ClientArea::ClientArea(QSize size, QWidget *parent)
    : QWidget(parent), m_image(size, QImage::Format_RGB32)
{
    // Every pixel comes from the image, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(size);
}

void ClientArea::invalidate()
{
    m_rebuildPending = true;
    update();
}

void ClientArea::paintEvent(QPaintEvent *event)
{
    if (m_rebuildPending) {
        m_rebuildPending = false;
        emit rebuildRequested();
    }
    QPainter painter(this);
    // On a screen of two or more device pixels per pixel each image pixel becomes a sharp
    // block, with no smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void ClientArea::showEvent(QShowEvent *event)
{
    // Shown for the first time, or restored after being minimised or hidden: what the screen
    // had is gone, so the next paint draws everything again.
    m_rebuildPending = true;
    QWidget::showEvent(event);
}

void ClientArea::changeEvent(QEvent *event)
{
    // The face and text colours come from the palette when drawing.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        invalidate();
    QWidget::changeEvent(event);
}

QImage ClientArea::picture() const
{
    // Device pixel ratio 1 whatever the screen's: the picture is the area at 1x.
    QImage picture(m_image.size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    // Rendering paints into the picture only; the widget and its controls stay as they are.
    const_cast<ClientArea *>(this)->render(&painter);
    return picture;
}

} // namespace app
