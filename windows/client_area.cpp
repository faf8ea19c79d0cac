// SPDX-License-Identifier: MIT
#include "client_area.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include <chrono>
#include <cstdio>

ClientArea::ClientArea(const QImage &image, std::function<void()> rebuild, QWidget *parent)
    : QWidget(parent),
      m_image(image),
      m_rebuild(std::move(rebuild)),
      m_exitAfterFirstPaint(qEnvironmentVariableIntValue("FALORYS_EXIT_AFTER_FIRST_PAINT") == 1)
{
    // Every pixel comes from the image, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(image.size());
}

void ClientArea::invalidate()
{
    m_rebuildPending = true;
    update();
}

void ClientArea::paintEvent(QPaintEvent *event)
{
    const bool rebuilt = m_rebuildPending;
    if (m_rebuildPending) {
        m_rebuildPending = false;
        m_rebuild();
    }
    QPainter painter(this);
    // On a screen of two or more device pixels per pixel each image pixel becomes a sharp
    // block: no smoothing, and the same logical rectangle on both sides.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), m_image, event->rect());
    if (m_exitAfterFirstPaint && rebuilt && event->rect().contains(rect())) {
        painter.end();
        const auto now = std::chrono::steady_clock::now().time_since_epoch(); // CLOCK_MONOTONIC
        std::fprintf(stderr, "first complete paint at %lld ns\n",
                     static_cast<long long>(std::chrono::nanoseconds(now).count()));
        m_exitAfterFirstPaint = false;
        QCoreApplication::exit(0);
    }
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
