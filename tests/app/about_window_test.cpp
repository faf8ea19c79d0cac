// SPDX-License-Identifier: MIT
#include "about_window.h"

#include "dialog_checks.h"
#include "dialog_parts.h"
#include "memo.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>

using dialog_checks::expectText;

TEST(AboutWindow, LayoutCaptionsFontsAndColours)
{
    Tform2 form;
    dialog_checks::expectFixedDialog(form, QStringLiteral("O programie"), QSize(396, 265));
    dialog_checks::expectFont(&form, {QStringLiteral("MS Sans Serif"), -9});
    EXPECT_EQ(form.OKButton->font(), form.font());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 2)
        << "centred on the screen";

    expectText(form.StaticText2, QStringLiteral("Falorys 2"), {79, 56},
               {QStringLiteral("Verdana"), -12, drawing::DefaultCharset, 0x000000, true});
    expectText(form.StaticText1, QStringLiteral("LUMENA"), {293, 44},
               {QStringLiteral("Verdana"), -22, drawing::DefaultCharset, 0x000080, true});
    expectText(form.StaticText8, QStringLiteral("Freeware"), {79, 244},
               {QStringLiteral("Arial"), -11, drawing::DefaultCharset, 0x0000FF});
    expectText(form.Label2, QString::fromUtf16(app::kCreditLine), {264, 243},
               {QStringLiteral("Arial"), -11, drawing::EastEuropeCharset});
    EXPECT_EQ(form.StaticText1->palette().color(QPalette::WindowText), QColor(0x80, 0, 0))
        << "maroon";
    EXPECT_EQ(form.StaticText8->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0)) << "red";
    dialog_checks::expectOkButton(form.OKButton, {175, 233, 75, 25});
    EXPECT_TRUE(form.rect().contains(form.Label2->geometry())) << "the credit line fits";

    for (QWidget *widget : form.findChildren<QWidget *>())
        EXPECT_TRUE(widget->toolTip().isEmpty()) << "no hints in this window";
}

TEST(AboutWindow, SidePictureLosesItsBottomTwentyRows)
{
    Tform2 form;
    ASSERT_FALSE(form.Image1->pixmap().isNull()) << "the embedded picture did not decode";
    EXPECT_EQ(form.Image1->geometry(), QRect(0, 0, 54, 285));
    // Pixel for pixel the picture as the program decoded it with libjpeg itself.
    const QImage recorded(QStringLiteral(":/tests/side_picture_decoded.png"));
    ASSERT_EQ(form.Image1->pixmap().size(), recorded.size());
    EXPECT_EQ(form.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              recorded.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(form.Image1->geometry().intersected(form.rect()).height(), 265)
        << "20 rows lie below the client area";

    // On the screen: the picture's row 264 is the window's last row.
    const QImage shown = form.grab().toImage();
    const QImage picture = form.Image1->pixmap().toImage();
    ASSERT_EQ(shown.height(), 265);
    for (const int y : {0, 30, 150, 264}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(shown.pixel(27, y), picture.pixel(27, y));
    }
}

TEST(AboutWindow, NoticeIsReadOnlyButSelectable)
{
    Tform2 form;
    app::Memo *memo = form.Memo1;
    EXPECT_EQ(memo->geometry(), QRect(79, 80, 309, 147));
    dialog_checks::expectFont(memo, {QStringLiteral("Arial"), -11, 238});
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(Qt::white));

    const QStringList lines = Tform2::noticeLines();
    ASSERT_EQ(lines.size(), 10) << "ten lines";
    EXPECT_EQ(memo->toPlainText(), lines.join(QLatin1Char('\n')));

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    {
        SCOPED_TRACE("the whole notice is in view, each line on a line of its own");
        int visualLines = 0;
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
            visualLines += block.layout()->lineCount();
        EXPECT_EQ(visualLines, 10);
        EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0) << "nothing hidden below";
    }
    {
        SCOPED_TRACE("typing changes nothing");
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("xyz"));
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClick(memo, Qt::Key_Delete);
        EXPECT_EQ(memo->toPlainText(), lines.join(QLatin1Char('\n')));
    }
    {
        SCOPED_TRACE("but the text can be selected and copied");
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));
    }
}

TEST(AboutWindow, TabOrderAndModalEndings)
{
    {
        Tform2 form;
        dialog_checks::expectTabOrder(form, form.Memo1);
    }
    dialog_checks::expectModalEndings<Tform2>();
}

TEST(AboutWindow, MenuItemOpensItModally)
{
    dialog_checks::expectOpenedFromMenu<Tform2>("Opisprogramu1", [](Tform2 &form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("O programie"));
    });
}
