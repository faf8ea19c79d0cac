// SPDX-License-Identifier: MIT
#pragma once

#include "client_area.h"
#include "main_window.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <QAbstractButton>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace windows_testing {

/** A colour no renderer uses, painted into the client image to see what gets drawn over. */
inline constexpr QRgb kMarker = 0xFF010203;

/** Waits until the window is on the screen and its client area has been painted once. */
inline void showAndPaint(TForm1 &form)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form)) << "the main window never appeared";
    form.clientArea()->update();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.clientArea()->rebuildPending(); }))
        << "painting did not rebuild the image";
}

/** Clicks a radio button on its indicator, where a click selects it. */
inline void clickRadio(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

/** The QRgb a colour of the program's 0x00BBGGRR form shows as. */
inline QRgb asQRgb(std::uint32_t colour)
{
    return qRgb(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
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

/** The centre of one part of a scroll bar, as the style lays it out. */
inline QPoint partCentre(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

} // namespace windows_testing
