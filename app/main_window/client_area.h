// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

namespace app {

/**
 * The main window's client area: owns the image the main window draws into and shows it. When
 * that image can no longer be trusted (the first showing, showing again after being hidden or
 * minimised, a change of the colour scheme) the next paint first asks for it to be drawn anew
 * through `rebuildRequested`; otherwise painting only copies the image to the screen.
 *
 * On a screen of several device pixels per pixel (presentation size among them) each image
 * pixel is shown as a sharp square block.
 *
 * Owning the image keeps every paint safe, even one that comes while the window that draws
 * into it is being destroyed: the image lives exactly as long as the widget that shows it.
 */
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    /** An area of `size` pixels showing an image of that size in Format_RGB32. */
    explicit ClientArea(QSize size, QWidget *parent = nullptr);

    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

    /**
     * What the area shows at 1x: the image with the controls on it as they are drawn, at device
     * pixel ratio 1 whatever the screen's.
     */
    QImage picture() const;

    /** Makes the next paint rebuild the whole image first. */
    void invalidate();
    bool rebuildPending() const { return m_rebuildPending; }

signals:
    /** Emitted by the paint that needs the whole image drawn anew, before it copies it. */
    void rebuildRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QImage m_image;
    bool m_rebuildPending = true;
};

} // namespace app
