// SPDX-License-Identifier: MIT
// Presentation size, placement on the screen and the palette under a dark scheme, offscreen.
#include "Unit2.h"
#include "Unit3.h"
#include "main_window_support.h"
#include "memo.h"
#include "presentation_scale.h"
#include "radio_group.h"
#include "readable_palette.h"
#include "rich_edit.h"
#include "window_placement.h"

#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>

using namespace windows_testing;

namespace {

qreal firstTextSize(const QTextEdit &edit)
{
    return edit.document()->begin().begin().fragment().charFormat().fontPointSize();
}

} // namespace

TEST(PresentationScale, TwiceTheSizeForEveryWindowAndBackExactly)
{
    TForm1 form;
    showAndPaint(form);
    const int extent = form.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    form.suwak1->setValue(200);
    const QImage picture = form.clientImage().copy();
    qreal textAt1x = 0;
    {
        Tform3 description(&form);
        description.show();
        textAt1x = firstTextSize(*description.RichEdit1);
    }

    windows::setPresentationScale(2);
    EXPECT_EQ(form.suwak1->geometry(), QRect(880, 362, 336, 34));
    EXPECT_EQ(form.Label2->font().pixelSize(), 24);
    EXPECT_EQ(form.Label2->pos(), QPoint(852, 492));
    EXPECT_GE(form.Label2->width(), form.Label2->sizeHint().width()) << "the text is cut";
    EXPECT_EQ(form.clientArea()->size(), kClientSize * 2);
    EXPECT_EQ(form.clientArea()->scale(), 2);
    EXPECT_EQ(form.style()->pixelMetric(QStyle::PM_ScrollBarExtent), 2 * extent);
    {
        // A dialog made now is built at 1x and opens at 2x.
        Tform2 about(&form);
        about.show();
        EXPECT_EQ(about.size(), QSize(792, 530));
        EXPECT_EQ(about.Memo1->geometry(), QRect(158, 160, 618, 294));
        EXPECT_EQ(about.Image1->pixmap().size(), QSize(108, 570)) << "the side picture";
        Tform3 description(&form);
        description.show();
        EXPECT_EQ(firstTextSize(*description.RichEdit1), 2 * textAt1x);
    }
    showAndPaint(form);
    EXPECT_EQ(form.clientImage(), picture) << "the image itself stays at 1x";
    EXPECT_EQ(form.suwak1->value(), 200);

    windows::setPresentationScale(1);
    EXPECT_EQ(form.suwak1->geometry(), QRect(440, 181, 168, 17));
    EXPECT_EQ(form.Label2->geometry().topLeft(), QPoint(426, 246));
    EXPECT_EQ(form.Label2->font().pixelSize(), 12);
    EXPECT_EQ(form.opcje1->geometry(), QRect(448, 24, 137, 73));
    EXPECT_EQ(form.clientArea()->size(), kClientSize);
    showAndPaint(form);
    EXPECT_EQ(form.clientImage(), picture);
}

TEST(WindowPlacement, TitleBarAndMenuStayOnTheScreen)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget large;
    large.resize(available.size() + QSize(300, 200));
    windows::showCentred(large);
    EXPECT_EQ(large.pos(), available.topLeft()) << "too large: its top-left corner on screen";

    QWidget small;
    small.resize(200, 100);
    small.show();
    windows::placeOnScreen(small, available.bottomRight());
    EXPECT_TRUE(available.contains(small.frameGeometry())) << "moved in from the corner";
    windows::centreOnScreen(small);
    EXPECT_EQ(small.frameGeometry().center(), available.center());
}

TEST(ReadablePalette, DarkSchemesGiveWayToALightPaletteLightOnesStay)
{
    const QPalette test = QApplication::palette();
    QPalette dark = test;
    dark.setColor(QPalette::Window, QColor(49, 54, 59));
    dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
    dark.setColor(QPalette::Base, QColor(35, 38, 41));
    QApplication::setPalette(dark);
    windows::useReadablePalette();
    const QPalette now = QApplication::palette();
    EXPECT_FALSE(windows::isDarkPalette(now));
    EXPECT_LT(now.color(QPalette::Text).lightness(), now.color(QPalette::Base).lightness());

    QPalette bluish = test;
    bluish.setColor(QPalette::Window, QColor(200, 220, 255));
    QApplication::setPalette(bluish);
    windows::useReadablePalette();
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(200, 220, 255));
    QApplication::setPalette(test);
}
