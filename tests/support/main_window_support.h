// SPDX-License-Identifier: MIT
#pragma once

#include "client_area.h"
#include "main_window.h"
#include "memo.h"
#include "radio_group.h"
#include "window_placement.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace app_testing {

/** The main window's controls, found by the names they carry. */
struct Controls
{
    QScrollBar *suwak1, *suwak2, *suwak3, *suwak_a;
    app::RadioGroup *opcje1;
    app::Memo *Memo2;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QAction *Koniec1;
    QMenu *Oprogramie1;
    QAction *Oprogramie2, *Opisprogramu1;
};

inline Controls controlsOf(const TForm1 &form)
{
    auto named = [&form]<typename T>(T *, const char *name) {
        T *child = form.findChild<T *>(QLatin1String(name));
        EXPECT_TRUE(child) << "no control named " << name;
        return child;
    };
    return {named((QScrollBar *)nullptr, "suwak1"),      named((QScrollBar *)nullptr, "suwak2"),
            named((QScrollBar *)nullptr, "suwak3"),      named((QScrollBar *)nullptr, "suwak_a"),
            named((app::RadioGroup *)nullptr, "opcje1"), named((app::Memo *)nullptr, "Memo2"),
            named((QLabel *)nullptr, "Label1"),          named((QLabel *)nullptr, "Label2"),
            named((QLabel *)nullptr, "Label3"),          named((QLabel *)nullptr, "Label4"),
            named((QLabel *)nullptr, "Label5"),          named((QAction *)nullptr, "Koniec1"),
            named((QMenu *)nullptr, "Oprogramie1"),      named((QAction *)nullptr, "Oprogramie2"),
            named((QAction *)nullptr, "Opisprogramu1")};
}

/** A colour no renderer uses, painted into the client image to see what gets drawn over. */
inline constexpr QRgb kMarker = 0xFF010203;

/** Shows the window as the program does and waits until its client area has been painted once. */
inline void showAndPaint(TForm1 &form)
{
    app::showCentred(form);
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
    form.clientArea()->image().setPixel(p, kMarker);
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

} // namespace app_testing
