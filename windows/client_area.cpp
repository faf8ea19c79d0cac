// SPDX-License-Identifier: MIT
#include "client_area.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace windows {

ClientArea::ClientArea(QSize size, QWidget *parent)
    : QWidget(parent), m_image(size, QImage::Format_RGB32)
{
    // Every pixel comes from the image, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(size);
}

int ClientArea::scale() const
{
    return std::max(1, width() / m_image.width());
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
    // At presentation size the area is a whole multiple of the image, and on a screen of two
    // or more device pixels per pixel it is larger still: either way each image pixel becomes
    // a sharp block, with no smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int scale = this->scale();
    painter.scale(scale, scale);
    // The image pixels under the part to paint, whole pixels rounded outwards.
    const QRect r = event->rect();
    const QRect source(QPoint(r.left() / scale, r.top() / scale),
                       QPoint(r.right() / scale, r.bottom() / scale));
    painter.drawImage(source, m_image, source);
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

} // namespace windows
