// SPDX-License-Identifier: MIT
// Presentation size offscreen: every window twice the size, the image the same, back exactly.
#include "Unit2.h"
#include "Unit3.h"
#include "main_window_support.h"
#include "presentation_scale.h"
#include "rich_edit.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>

using namespace windows_testing;

TEST(PresentationScale, TwiceTheSizeForEveryWindowAndBackExactly)
{
    TForm1 form;
    showAndPaint(form);
    form.suwak1->setValue(200);
    const QImage picture = form.clientImage().copy();
    const int extent = form.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    auto firstTextSize = [&form] {
        Tform3 description(&form);
        description.show();
        return description.RichEdit1->document()
            ->begin()
            .begin()
            .fragment()
            .charFormat()
            .fontPointSize();
    };
    const qreal textAt1x = firstTextSize();

    windows::setPresentationScale(2);
    EXPECT_EQ(form.suwak1->geometry(), QRect(880, 362, 336, 34));
    EXPECT_EQ(form.Label2->font().pixelSize(), 24);
    EXPECT_GE(form.Label2->width(), form.Label2->sizeHint().width()) << "the text is cut";
    EXPECT_EQ(form.clientArea()->size(), kClientSize * 2);
    EXPECT_EQ(form.style()->pixelMetric(QStyle::PM_ScrollBarExtent), 2 * extent);
    EXPECT_EQ(firstTextSize(), 2 * textAt1x);
    {
        Tform2 about(&form); // built at 1x, opened at 2x
        about.show();
        EXPECT_EQ(about.size(), QSize(792, 530));
        EXPECT_EQ(about.Image1->pixmap().size(), QSize(108, 570)) << "the side picture";
    }
    showAndPaint(form);
    EXPECT_EQ(form.clientImage(), picture) << "the image itself stays at 1x";

    windows::setPresentationScale(1);
    EXPECT_EQ(form.suwak1->geometry(), QRect(440, 181, 168, 17));
    EXPECT_EQ(form.Label2->font().pixelSize(), 12);
    EXPECT_EQ(form.clientArea()->size(), kClientSize);
    showAndPaint(form);
    EXPECT_EQ(form.clientImage(), picture);
    EXPECT_EQ(form.suwak1->value(), 200);
}
