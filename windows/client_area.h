// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <functional>

class QImage;

/**
 * The main window's client area: shows an image that the window owns and draws into, and asks
 * the owner to rebuild that image whenever its content can no longer be trusted (the first
 * showing, showing again after being hidden or minimised, a change of the colour scheme).
 * Otherwise painting only copies the image to the screen.
 *
 * With FALORYS_EXIT_AFTER_FIRST_PAINT=1 in the environment (read once, when the area is made)
 * the first paint that copies the whole rebuilt image ends by printing "first complete paint at
 * <N> ns" to stderr, N the monotonic clock (CLOCK_MONOTONIC), and quits the program: the
 * start-up measurement in bench/startup times the program by it.
 */
class ClientArea : public QWidget
{
public:
    ClientArea(const QImage &image, std::function<void()> rebuild, QWidget *parent = nullptr);

    /** Makes the next paint rebuild the whole image first. */
    void invalidate();
    bool rebuildPending() const { return m_rebuildPending; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const QImage &m_image;
    std::function<void()> m_rebuild;
    bool m_rebuildPending = true;
    bool m_exitAfterFirstPaint = false;
};
