// SPDX-License-Identifier: MIT
// Where the main window's controls sit, what they say, their fonts, ranges and tab order.
#include "font_mapping.h"
#include "main_window_support.h"
#include "memo.h"
#include "radio_group.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

using app_testing::showAndPaint;

namespace {

void expectFont(const QFont &actual, const drawing::Font &request)
{
    const QFont expected = drawing::toQFont(request);
    EXPECT_EQ(actual.family(), expected.family()) << "font face";
    EXPECT_EQ(actual.pixelSize(), -request.height) << "font height in pixels";
}

} // namespace

TEST(MainWindowLayout, ScrollBarsHaveTheirPlacesRangesAndSteps)
{
    TForm1 form;
    struct Expected
    {
        QScrollBar *bar;
        const char *name;
        QRect geometry;
        int min, max, smallStep, largeStep;
    };
    const Expected bars[] = {
        {app_testing::controlsOf(form).suwak1, "suwak1", {440, 181, 168, 17}, 1, 381, 1, 1},
        {app_testing::controlsOf(form).suwak2, "suwak2", {440, 226, 168, 17}, 20, 40, 1, 1},
        {app_testing::controlsOf(form).suwak3, "suwak3", {440, 271, 168, 17}, 170, 220, 1, 1},
        {app_testing::controlsOf(form).suwak_a, "suwak_a", {440, 316, 168, 17}, 10, 100, 1, 10},
    };
    for (const Expected &e : bars) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.bar->parentWidget(), form.clientArea()) << "placed in client pixels";
        EXPECT_EQ(e.bar->geometry(), e.geometry);
        EXPECT_EQ(e.bar->minimum(), e.min);
        EXPECT_EQ(e.bar->maximum(), e.max);
        EXPECT_EQ(e.bar->value(), e.min) << "starts at its minimum";
        EXPECT_EQ(e.bar->singleStep(), e.smallStep);
        EXPECT_EQ(e.bar->pageStep(), e.largeStep);
    }
}

TEST(MainWindowLayout, OptionGroupMemoAndLabels)
{
    TForm1 form;
    showAndPaint(form);

    {
        SCOPED_TRACE("opcje1");
        EXPECT_EQ(app_testing::controlsOf(form).opcje1->geometry(), QRect(448, 24, 137, 73));
        EXPECT_EQ(app_testing::controlsOf(form).opcje1->title(), QStringLiteral("Opcje"));
        expectFont(app_testing::controlsOf(form).opcje1->font(), {QStringLiteral("Arial"), -12});
        ASSERT_EQ(app_testing::controlsOf(form).opcje1->count(), 2);
        EXPECT_EQ(app_testing::controlsOf(form).opcje1->button(0)->text(),
                  QStringLiteral("a  regulowane"))
            << "two blanks after the a";
        EXPECT_EQ(app_testing::controlsOf(form).opcje1->button(1)->text(), QStringLiteral("a <<"));
        EXPECT_EQ(app_testing::controlsOf(form).opcje1->itemIndex(), 0)
            << "slit width adjustable at start";
        // One column below the caption, inside the frame, the second item under the first.
        const QRect first = app_testing::controlsOf(form).opcje1->button(0)->geometry();
        const QRect second = app_testing::controlsOf(form).opcje1->button(1)->geometry();
        EXPECT_EQ(first.left(), second.left());
        EXPECT_EQ(first.bottom() + 1, second.top());
        EXPECT_GE(first.top(), QFontMetrics(app_testing::controlsOf(form).opcje1->font()).height());
        EXPECT_LE(second.bottom(), app_testing::controlsOf(form).opcje1->height() - 1);
        EXPECT_LE(first.right(), app_testing::controlsOf(form).opcje1->width() - 1);
    }
    {
        SCOPED_TRACE("Memo2");
        EXPECT_EQ(app_testing::controlsOf(form).Memo2->geometry(), QRect(502, 70, 17, 17));
        EXPECT_EQ(app_testing::controlsOf(form).Memo2->toPlainText(), QStringLiteral("λ"))
            << "l in the Symbol face";
        expectFont(app_testing::controlsOf(form).Memo2->font(),
                   {QStringLiteral("Symbol"), -13, drawing::SymbolCharset});
        EXPECT_EQ(app_testing::controlsOf(form).Memo2->frameShape(), QFrame::NoFrame)
            << "no border";
        // Face-coloured: it blends with the option frame beneath it, no text-field white.
        const QImage shot = form.grab().toImage();
        const QPoint memoCorner = app_testing::controlsOf(form).Memo2->mapTo(&form, QPoint(16, 16));
        EXPECT_EQ(shot.pixel(memoCorner), shot.pixel(memoCorner + QPoint(10, 0)));
        EXPECT_NE(shot.pixel(memoCorner), qRgb(255, 255, 255));
        // It stands just right of the second option's caption.
        const QRadioButton *narrow = app_testing::controlsOf(form).opcje1->button(1);
        const QPoint textStart = narrow->mapTo(form.clientArea(), QPoint(0, 0));
        EXPECT_LT(textStart.x(), app_testing::controlsOf(form).Memo2->x());
        EXPECT_LT(textStart.y(), app_testing::controlsOf(form).Memo2->geometry().center().y());
        EXPECT_GT(textStart.y() + narrow->height(),
                  app_testing::controlsOf(form).Memo2->geometry().center().y());
    }

    const drawing::Font arial {QStringLiteral("Arial"), -12, drawing::EastEuropeCharset};
    const drawing::Font symbol {QStringLiteral("Symbol"), -12, drawing::SymbolCharset};
    struct Expected
    {
        QLabel *label;
        const char *name;
        QPoint topLeft;
        QString text;
        drawing::Font font;
    };
    const Expected labels[] = {
        {app_testing::controlsOf(form).Label5,
         "Label5",
         {450, 202},
         QStringLiteral("długość fali "),
         arial},
        {app_testing::controlsOf(form).Label1,
         "Label1",
         {518, 202},
         QStringLiteral("λ = "),
         symbol},
        {app_testing::controlsOf(form).Label2,
         "Label2",
         {426, 246},
         QStringLiteral("odległość szczelin d ="),
         arial},
        {app_testing::controlsOf(form).Label3,
         "Label3",
         {426, 291},
         QStringLiteral("odległość od ekranu L ="),
         arial},
        {app_testing::controlsOf(form).Label4,
         "Label4",
         {426, 336},
         QStringLiteral("szerrokość szczelin a ="),
         arial},
    };
    for (const Expected &e : labels) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.label->pos(), e.topLeft);
        EXPECT_EQ(e.label->text(), e.text);
        expectFont(e.label->font(), e.font);
        EXPECT_EQ(e.label->size(), e.label->sizeHint()) << "sized to its text";
        EXPECT_GE(e.label->width(), QFontMetrics(e.label->font()).horizontalAdvance(e.text));
    }
    // The readouts start right of their labels and must not be hidden under them.
    EXPECT_LE(app_testing::controlsOf(form).Label1->geometry().right(), 536);
    EXPECT_LE(app_testing::controlsOf(form).Label2->geometry().right(), 548);
    EXPECT_LE(app_testing::controlsOf(form).Label3->geometry().right(), 560);
    EXPECT_LE(app_testing::controlsOf(form).Label4->geometry().right(), 554);
}

TEST(MainWindowLayout, WindowIsFixedCentredTitledWithIcon)
{
    TForm1 form;
    showAndPaint(form);

    EXPECT_EQ(form.centralWidget(), form.clientArea());
    EXPECT_EQ(form.clientArea()->size(), QSize(632, 434));
    EXPECT_EQ(form.clientImage().size(), QSize(632, 434));
    EXPECT_EQ(form.clientImage().format(), QImage::Format_RGB32);
    EXPECT_EQ(form.size(), QSize(632, form.menuBar()->height() + 434))
        << "menu bar above the client area, nothing else";
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "not resizable";
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Falorys (dwie szczeliny)"));
    expectFont(form.clientArea()->font(), drawing::Font {}); // the form's MS Sans Serif, 11 px

    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint) << "nothing to maximise";

    const QRect available = form.screen()->availableGeometry();
    EXPECT_LE((form.frameGeometry().center() - available.center()).manhattanLength(), 2)
        << "centred on the screen";

    // The icon: a yellow board and a dark-blue figure, 32 x 32.
    const QImage icon = form.windowIcon().pixmap(32, 32).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    int yellow = 0, navy = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = icon.pixel(x, y);
            yellow += (p & 0xFFFFFF) == 0xFFFF00;
            navy += (p & 0xFFFFFF) == 0x000080 && qAlpha(p) == 255;
        }
    EXPECT_GT(yellow, 100) << "the board";
    EXPECT_GT(navy, 60) << "the figure";
    EXPECT_EQ(qAlpha(icon.pixel(0, 31)), 0) << "transparent around the picture";
}

TEST(MainWindowLayout, MenuBarHasKoniecAndPomoc)
{
    TForm1 form;
    const QList<QAction *> top = form.menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top.at(0), app_testing::controlsOf(form).Koniec1);
    EXPECT_EQ(top.at(0)->text(), QStringLiteral("Koniec"));
    EXPECT_EQ(top.at(0)->menu(), nullptr) << "Koniec acts at once, no submenu";
    EXPECT_EQ(top.at(1), app_testing::controlsOf(form).Oprogramie1->menuAction());
    EXPECT_EQ(top.at(1)->text(), QStringLiteral("Pomoc"));

    const QList<QAction *> help = app_testing::controlsOf(form).Oprogramie1->actions();
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help.at(0), app_testing::controlsOf(form).Oprogramie2);
    EXPECT_EQ(help.at(0)->text(), QStringLiteral("Opis programu"));
    EXPECT_EQ(help.at(1), app_testing::controlsOf(form).Opisprogramu1);
    EXPECT_EQ(help.at(1)->text(), QStringLiteral("O programie"));
    EXPECT_FALSE(form.menuBar()->isNativeMenuBar()) << "the menu stays inside the window";
}

TEST(MainWindowLayout, TabVisitsTheControlsInOrder)
{
    TForm1 form;
    showAndPaint(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    app_testing::controlsOf(form).suwak1->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), app_testing::controlsOf(form).suwak1);
    const QWidget *expected[] = {app_testing::controlsOf(form).suwak2,
                                 app_testing::controlsOf(form).suwak3,
                                 app_testing::controlsOf(form).opcje1->button(0),
                                 app_testing::controlsOf(form).suwak_a,
                                 app_testing::controlsOf(form).Memo2,
                                 app_testing::controlsOf(form).suwak1};
    for (const QWidget *next : expected) {
        SCOPED_TRACE(next->objectName().isEmpty() ? next->metaObject()->className()
                                                  : qPrintable(next->objectName()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    // Backwards the same way round.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), app_testing::controlsOf(form).Memo2);
}

TEST(DecimalSeparator, FollowsTheLocale)
{
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::Polish, QLocale::Poland)), QLatin1Char(','));
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), QLatin1Char(','));
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)),
              QLatin1Char('.'));
    EXPECT_EQ(decimalSeparatorOf(QLocale::c()), QLatin1Char('.'));
    // Tests run with LC_ALL=C.UTF-8; the window reads it once, at start.
    TForm1 form;
    EXPECT_EQ(form.decimalSeparator(), decimalSeparatorOf(QLocale::system()));
}
