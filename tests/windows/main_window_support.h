// SPDX-License-Identifier: MIT
#pragma once

#include "client_area.h"
#include "lambda.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

namespace windows_testing {

/** A colour no renderer uses, painted into the client image to see what gets drawn over. */
inline constexpr QRgb kMarker = 0xFF010203;

/** Waits until the window is on the screen and its client area has been painted once. */
inline void showAndPaint(TForm1 &form)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form)) << "the main window never appeared";
    form.clientArea()->repaint();
    ASSERT_FALSE(form.clientArea()->rebuildPending()) << "painting did not rebuild the image";
}

inline QRgb pixelAt(const TForm1 &form, QPoint p)
{
    return form.clientImage().pixel(p);
}

inline void mark(TForm1 &form, QPoint p)
{
    form.clientImage().setPixel(p, kMarker);
}

inline bool marked(const TForm1 &form, QPoint p)
{
    return form.clientImage().pixel(p) == kMarker;
}

} // namespace windows_testing
