// SPDX-License-Identifier: MIT
#pragma once
// Checks shared by the About and Description window tests.

#include "font_mapping.h"
#include "main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace dialog_checks {

/** The widget's font is what the main window's font mapping makes of `font`. */
inline void expectFont(const QWidget *widget, const drawing::Font &font)
{
    const QFont expected = drawing::toQFont(font);
    const QFont actual = widget->font();
    EXPECT_EQ(actual.families(), expected.families()) << "the faces as the main window maps them";
    EXPECT_EQ(actual.pixelSize(), -font.height);
    EXPECT_EQ(actual.bold(), font.bold);
    EXPECT_EQ(actual.italic(), font.italic);
    EXPECT_EQ(actual.underline(), font.underline);
}

/** A label at `position`, sized to its text, showing `text` in `font`'s face, size and colour. */
inline void expectText(const QLabel *label, const QString &text, QPoint position,
                       const drawing::Font &font)
{
    ASSERT_NE(label, nullptr);
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(label->text(), text);
    EXPECT_EQ(label->pos(), position);
    EXPECT_EQ(label->size(), label->sizeHint()) << "sized to its text";
    expectFont(label, font);
    EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb(),
              drawing::resolveColour(font.colour, drawing::SystemColours {}));
}

/** Fixed client size, caption, no buttons in the title bar but the close box. */
inline void expectFixedDialog(const QDialog &dialog, const QString &caption, QSize size)
{
    EXPECT_EQ(dialog.windowTitle(), caption);
    EXPECT_EQ(dialog.size(), size);
    EXPECT_EQ(dialog.minimumSize(), size) << "cannot be resized";
    EXPECT_EQ(dialog.maximumSize(), size) << "cannot be resized";
    EXPECT_FALSE(dialog.windowFlags()
                 & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                    | Qt::WindowContextHelpButtonHint));
}

/** The default "OK" button at `geometry`. */
inline void expectOkButton(const QPushButton *button, QRect geometry)
{
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("OK"));
    EXPECT_EQ(button->geometry(), geometry);
    EXPECT_TRUE(button->isDefault());
}

/**
 * Runs `dialog` modally and, once its loop runs, `action` on it; returns exec()'s result.
 * A dialog still open a second later is closed so that a failing test cannot hang.
 */
template<typename Dialog, typename Action>
int execWith(Dialog &dialog, Action action)
{
    QTimer::singleShot(0, &dialog, [&dialog, action] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        action(dialog);
    });
    QTimer::singleShot(1000, &dialog, [&dialog] {
        if (dialog.isVisible()) {
            ADD_FAILURE() << "the dialog did not close";
            dialog.done(-99);
        }
    });
    return dialog.exec();
}

/** OK by mouse and by the Enter key give 1; Escape and the close box end the loop as well. */
template<typename Dialog>
void expectModalEndings()
{
    {
        SCOPED_TRACE("OK clicked");
        Dialog dialog;
        EXPECT_EQ(
            execWith(dialog, [](Dialog &d) { QTest::mouseClick(d.OKButton, Qt::LeftButton); }), 1);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        SCOPED_TRACE("Enter presses the default button");
        Dialog dialog;
        EXPECT_EQ(execWith(dialog, [](Dialog &d) { QTest::keyClick(&d, Qt::Key_Return); }), 1);
    }
    {
        SCOPED_TRACE("Escape closes the window");
        Dialog dialog;
        EXPECT_EQ(execWith(dialog, [](Dialog &d) { QTest::keyClick(&d, Qt::Key_Escape); }), 0);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        SCOPED_TRACE("the close box closes the window");
        Dialog dialog;
        EXPECT_EQ(execWith(dialog, [](Dialog &d) { d.close(); }), 0);
        EXPECT_FALSE(dialog.isVisible());
    }
}

/** The button has the focus first, and Tab moves it on to `next`. */
template<typename Dialog>
void expectTabOrder(Dialog &dialog, QWidget *next)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.OKButton) << "the button has the focus first";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << "Tab goes from the button to the text";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.OKButton) << "and back to the button";
    dialog.hide();
}

/**
 * Opens a `Dialog` twice through the main window's menu item named `item`, runs `check` on each
 * while it is shown and closes it with OK: each opening is a new window, modal and owned by the
 * main window, and gone once it has closed.
 */
template<typename Dialog, typename Check>
void expectOpenedFromMenu(const char *item, Check check)
{
    TForm1 main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(testing::Message() << "opening " << opening);
        QPointer<Dialog> opened;
        int shown = 0;
        QTimer::singleShot(0, &main, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            opened = qobject_cast<Dialog *>(modal);
            if (!opened) {
                ADD_FAILURE() << "the menu item opened no window of the expected kind";
                if (modal)
                    modal->close();
                return;
            }
            ++shown;
            EXPECT_EQ(opened->parentWidget(), &main) << "owned by the main window";
            EXPECT_EQ(opened->windowModality(), Qt::WindowModal) << "modal to the main window";
            check(*opened);
            QTest::mouseClick(opened->OKButton, Qt::LeftButton);
        });
        main.findChild<QAction *>(QLatin1String(item))->trigger();
        // The item only opens the window; the loop shows it, closes it and frees it.
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown > 0 && opened.isNull(); }, 5000));
        EXPECT_EQ(shown, 1) << "the window was shown, and only once";
        EXPECT_TRUE(opened.isNull()) << "the window is freed when it closes";
        EXPECT_TRUE(main.findChildren<Dialog *>().isEmpty());
    }
}

} // namespace dialog_checks
