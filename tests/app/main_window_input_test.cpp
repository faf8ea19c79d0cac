// SPDX-License-Identifier: MIT
// Keys and clicks on the main window's controls, the memo's Greek input, and how it ends.
#include "main_window_support.h"
#include "memo.h"

#include <QApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

using namespace app_testing;

namespace {

const QPoint kStripPoint {100, 120};

} // namespace

TEST(MainWindowInput, KeysMoveAScrollBarAndEachChangeRunsItsHandlerOnce)
{
    TForm1 form;
    showAndPaint(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    struct Press
    {
        QScrollBar *bar;
        Qt::Key key;
        int expectedValue;
        const char *what;
    };
    const Press presses[] = {
        {controlsOf(form).suwak1, Qt::Key_End, 381, "End goes to Max"},
        {controlsOf(form).suwak1, Qt::Key_End, 381, "End at Max changes nothing"},
        {controlsOf(form).suwak1, Qt::Key_Home, 1, "Home goes to Min"},
        {controlsOf(form).suwak1, Qt::Key_Right, 2, "arrow: small step"},
        {controlsOf(form).suwak1, Qt::Key_PageDown, 3, "page: large step 1"},
        {controlsOf(form).suwak1, Qt::Key_Left, 2, "arrow back"},
        {controlsOf(form).suwak2, Qt::Key_Home, 20, "Home at Min changes nothing"},
        {controlsOf(form).suwak2, Qt::Key_Left, 20, "below Min is clamped"},
        {controlsOf(form).suwak3, Qt::Key_PageDown, 171, "page: large step 1"},
        {controlsOf(form).suwak_a, Qt::Key_PageDown, 20, "page: large step 10"},
        {controlsOf(form).suwak_a, Qt::Key_Right, 21, "arrow: small step 1"},
        {controlsOf(form).suwak_a, Qt::Key_End, 100, "End goes to Max"},
        {controlsOf(form).suwak_a, Qt::Key_PageDown, 100, "above Max is clamped"},
        {controlsOf(form).suwak_a, Qt::Key_PageUp, 90, "page back"},
    };
    for (const Press &press : presses) {
        SCOPED_TRACE(press.what);
        SCOPED_TRACE(qPrintable(press.bar->objectName()));
        press.bar->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), press.bar);
        const int before = press.bar->value();
        QSignalSpy changes(press.bar, &QScrollBar::valueChanged);
        mark(form, kStripPoint);
        QTest::keyClick(press.bar, press.key);
        EXPECT_EQ(press.bar->value(), press.expectedValue);
        const bool moved = press.expectedValue != before;
        EXPECT_EQ(changes.count(), moved ? 1 : 0) << "one handler run per change";
        EXPECT_EQ(marked(form, kStripPoint), !moved) << "redrawn exactly when it moved";
    }
    EXPECT_EQ(form.parameters().nr_fali, 2);
    EXPECT_EQ(form.parameters().lambda_nm, 381.0);
    EXPECT_EQ(form.parameters().d_mm, 0.020);
    EXPECT_EQ(form.parameters().L_m, 1.51);
    EXPECT_EQ(form.parameters().a_nm, 9000);
}

TEST(MainWindowInput, ClicksOnArrowsAndBesideTheThumb)
{
    TForm1 form;
    showAndPaint(form);
    QScrollBar *bar = controlsOf(form).suwak_a;

    QTest::mouseClick(bar, Qt::LeftButton, {}, partCentre(bar, QStyle::SC_ScrollBarAddLine));
    EXPECT_EQ(bar->value(), 11) << "right arrow: small step";
    QTest::mouseClick(bar, Qt::LeftButton, {}, partCentre(bar, QStyle::SC_ScrollBarAddPage));
    EXPECT_EQ(bar->value(), 21) << "beside the thumb: large step";
    QTest::mouseClick(bar, Qt::LeftButton, {}, partCentre(bar, QStyle::SC_ScrollBarSubLine));
    EXPECT_EQ(bar->value(), 20) << "left arrow: small step back";
    EXPECT_EQ(form.parameters().a_nm, 2000);

    QTest::mouseClick(controlsOf(form).suwak1, Qt::LeftButton, {},
                      partCentre(controlsOf(form).suwak1, QStyle::SC_ScrollBarAddLine));
    EXPECT_EQ(controlsOf(form).suwak1->value(), 2);
    EXPECT_EQ(form.parameters().lambda_nm, 381.0);

    // Dragging the thumb redraws at every new position, before the button is let go.
    QScrollBar *distance = controlsOf(form).suwak3;
    QPoint at = partCentre(distance, QStyle::SC_ScrollBarSlider);
    QTest::mousePress(distance, Qt::LeftButton, {}, at);
    int last = distance->value();
    int redraws = 0;
    for (int i = 0; i < 5; ++i) {
        mark(form, {100, 120});
        at += QPoint(12, 0);
        QTest::mouseMove(distance, at);
        EXPECT_GT(distance->value(), last) << "the thumb follows the pointer";
        last = distance->value();
        EXPECT_EQ(form.parameters().L_m, (last - 20) / 100.0) << "redrawn while dragging";
        redraws += !marked(form, {100, 120});
    }
    EXPECT_EQ(redraws, 5);
    QTest::mouseRelease(distance, Qt::LeftButton, {}, at);
    EXPECT_EQ(distance->value(), last);
}

TEST(MainWindowInput, SymbolMemoShowsGreekForWhatIsTyped)
{
    TForm1 form;
    showAndPaint(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    controlsOf(form).Memo2->setFocus();
    controlsOf(form).Memo2->moveCursor(QTextCursor::End);
    QTest::keyClicks(controlsOf(form).Memo2, QStringLiteral("ab 1"));
    EXPECT_EQ(controlsOf(form).Memo2->toPlainText(), QStringLiteral("λαβ 1"))
        << "Latin letters typed in the Symbol face show as Greek";

    app::Memo plain;
    plain.setFontRequest({QStringLiteral("Arial"), -12});
    plain.setLines({QStringLiteral("ab"), QStringLiteral("cd")});
    EXPECT_EQ(plain.toPlainText(), QStringLiteral("ab\ncd")) << "other faces keep their letters";
    plain.moveCursor(QTextCursor::End);
    QTest::keyClicks(&plain, QStringLiteral("ef"));
    EXPECT_EQ(plain.toPlainText(), QStringLiteral("ab\ncdef"));
}

TEST(MainWindowInput, KoniecEndsWithOneTheCloseBoxWithZero)
{
    // The event loop runs here as in main(); a watchdog ends a loop that would never return.
    const auto runLoop = [](const std::function<void()> &action) {
        QTimer::singleShot(0, action);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(10000);
        return QApplication::exec();
    };
    {
        TForm1 form;
        showAndPaint(form);
        EXPECT_EQ(runLoop([&] { controlsOf(form).Koniec1->trigger(); }), 1)
            << "Koniec ends with code 1";
    }
    {
        TForm1 form;
        showAndPaint(form);
        EXPECT_EQ(runLoop([&] { form.close(); }), 0) << "the close box ends normally";
    }
}
