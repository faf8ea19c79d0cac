// SPDX-License-Identifier: MIT
// What a screen reader learns from the windows: names and descriptions of the controls, the
// client area's description of the settings as they change, names at every tab stop, the
// focus frame a keyboard user sees on a scroll bar, and the menu reached with Alt.
#include "about_window.h"
#include "clickable_label.h"
#include "description_window.h"
#include "main_window_support.h"
#include "memo.h"
#include "radio_group.h"
#include "rich_edit.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <functional>
#include <vector>

using namespace app_testing;

namespace {

QString accessibleText(QObject *object, QAccessible::Text what)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(what) : QStringLiteral("<no accessible interface>");
}

QString nameOf(QObject *object)
{
    return accessibleText(object, QAccessible::Name);
}

QString descriptionOf(QObject *object)
{
    return accessibleText(object, QAccessible::Description);
}

const QString kStartDescription =
    QStringLiteral("Długość fali 380 nm, odległość szczelin 0,020 mm, odległość od ekranu "
                   "1,50 m, szerokość szczelin 1000 nm");

} // namespace

TEST(Accessibility, MainWindowControlsHavePolishNamesAndTheBarsTheirUnitsAndRanges)
{
    TForm1 form;
    struct Expected
    {
        QWidget *control;
        QString name;
        QStringList inDescription; // what a description must mention
    };
    const Expected controls[] = {
        {controlsOf(form).suwak1, QStringLiteral("Długość fali"), {"nanometrach", "380", "760 nm"}},
        {controlsOf(form).suwak2,
         QStringLiteral("Odległość szczelin"),
         {"milimetrach", "0,020", "0,040 mm"}},
        {controlsOf(form).suwak3,
         QStringLiteral("Odległość od ekranu"),
         {"metrach", "1,50", "2,00 m"}},
        {controlsOf(form).suwak_a,
         QStringLiteral("Szerokość szczelin"),
         {"nanometrach", "1000", "10000 nm"}},
        {controlsOf(form).opcje1, QStringLiteral("Opcje"), {"Szerokość szczelin"}},
        {controlsOf(form).opcje1->button(0),
         QStringLiteral("Szerokość szczelin regulowana"),
         {"suwakiem"}},
        {controlsOf(form).opcje1->button(1), QStringLiteral("Bardzo wąskie szczeliny"), {"1 nm"}},
        {controlsOf(form).Memo2, QStringLiteral("Litera lambda"), {"długości fali"}},
        {form.clientArea(), QStringLiteral("Doświadczenie z dwiema szczelinami"), {}},
    };
    for (const Expected &e : controls) {
        SCOPED_TRACE(e.name.toStdString());
        EXPECT_EQ(nameOf(e.control), e.name);
        const QString description = descriptionOf(e.control);
        for (const QString &part : e.inDescription)
            EXPECT_TRUE(description.contains(part)) << "description \"" << description.toStdString()
                                                    << "\" lacks \"" << part.toStdString() << '"';
    }
    // Each label names the scroll bar it stands by, and is read without its typing error.
    EXPECT_EQ(controlsOf(form).Label5->buddy(), controlsOf(form).suwak1);
    EXPECT_EQ(controlsOf(form).Label2->buddy(), controlsOf(form).suwak2);
    EXPECT_EQ(controlsOf(form).Label3->buddy(), controlsOf(form).suwak3);
    EXPECT_EQ(controlsOf(form).Label4->buddy(), controlsOf(form).suwak_a);
    EXPECT_EQ(nameOf(controlsOf(form).Label4), QStringLiteral("szerokość szczelin a ="));
    EXPECT_EQ(controlsOf(form).Label4->text(), QStringLiteral("szerrokość szczelin a ="))
        << "shown as given";
}

TEST(Accessibility, DialogControlsHaveNames)
{
    Tform2 about;
    Tform3 description(nullptr, [](const QUrl &) {});
    struct Expected
    {
        QWidget *control;
        QString name;
        QString description;
    };
    const Expected controls[] = {
        {about.OKButton, QStringLiteral("OK"), QStringLiteral("Zamyka okno")},
        {about.Memo1, QStringLiteral("Warunki używania programu"), {}},
        {about.Image1, QStringLiteral("Ozdobny pasek z godłem programu"), {}},
        {description.OKButton, QStringLiteral("OK"), QStringLiteral("Zamyka okno")},
        {description.RichEdit1, QStringLiteral("Opis programu"), {}},
        {description.Image1, QStringLiteral("Ozdobny pasek z godłem programu"), {}},
        {description.Label2, QStringLiteral("https://pl.wikipedia.org/wiki/Dyfrakcja"), {}},
    };
    for (const Expected &e : controls) {
        SCOPED_TRACE(e.name.toStdString());
        EXPECT_EQ(nameOf(e.control), e.name);
        if (!e.description.isEmpty()) {
            EXPECT_EQ(descriptionOf(e.control), e.description);
        }
    }
    EXPECT_TRUE(descriptionOf(description.Label2).contains(QStringLiteral("przeglądarce")))
        << "the link says what it does";
}

TEST(Accessibility, ClientAreaDescribesTheSettingsAfterEveryChange)
{
    TForm1 form;
    showAndPaint(form);
    app::ClientArea *client = form.clientArea();
    EXPECT_EQ(descriptionOf(client), kStartDescription)
        << "a decimal comma although the readouts follow the C locale here";

    struct Step
    {
        const char *what;
        std::function<void()> action;
        QString description;
    };
    const Step steps[] = {
        {"wavelength to its end", [&] { controlsOf(form).suwak1->setValue(381); },
         QStringLiteral("Długość fali 760 nm, odległość szczelin 0,020 mm, odległość od ekranu "
                        "1,50 m, szerokość szczelin 1000 nm")},
        {"separation, distance and width to their ends",
         [&] {
             controlsOf(form).suwak2->setValue(40);
             controlsOf(form).suwak3->setValue(220);
             controlsOf(form).suwak_a->setValue(100);
         },
         QStringLiteral("Długość fali 760 nm, odległość szczelin 0,040 mm, odległość od ekranu "
                        "2,00 m, szerokość szczelin 10000 nm")},
        {"very narrow slits", [&] { clickRadio(controlsOf(form).opcje1->button(1)); },
         QStringLiteral("Długość fali 760 nm, odległość szczelin 0,040 mm, odległość od ekranu "
                        "2,00 m, bardzo wąskie szczeliny")},
        {"width from its scroll bar again", [&] { clickRadio(controlsOf(form).opcje1->button(0)); },
         QStringLiteral("Długość fali 760 nm, odległość szczelin 0,040 mm, odległość od ekranu "
                        "2,00 m, szerokość szczelin 10000 nm")},
        {"one step of the separation", [&] { controlsOf(form).suwak2->setValue(39); },
         QStringLiteral("Długość fali 760 nm, odległość szczelin 0,039 mm, odległość od ekranu "
                        "2,00 m, szerokość szczelin 10000 nm")},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.action();
        EXPECT_EQ(descriptionOf(client), step.description);
    }
}

TEST(Accessibility, KeyboardReachesEveryControlWithANameAFrameAndTheMenu)
{
    TForm1 form;
    showAndPaint(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    const QImage unfocused = controlsOf(form).suwak2->grab().toImage();

    // Round the tab chain once: each stop is announced with a name and as focused.
    controlsOf(form).suwak1->setFocus(Qt::TabFocusReason);
    for (int stop = 0; stop < 6; ++stop) {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        SCOPED_TRACE(focused->objectName().toStdString());
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(focused);
        ASSERT_NE(iface, nullptr);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
        EXPECT_TRUE(iface->state().focused);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), controlsOf(form).suwak1) << "six stops and round again";

    QTest::keyClick(controlsOf(form).suwak1, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), controlsOf(form).suwak2);
    const QImage focused = controlsOf(form).suwak2->grab().toImage();
    ASSERT_EQ(focused.size(), unfocused.size());
    const QRgb highlight = controlsOf(form).suwak2->palette().color(QPalette::Highlight).rgb();
    const QRect frame = focused.rect();
    int outlineChanged = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const bool onOutline = x == 0 || y == 0 || x == frame.right() || y == frame.bottom();
            if (onOutline) {
                EXPECT_EQ(focused.pixel(x, y), highlight) << "outline at " << x << ", " << y;
                outlineChanged += focused.pixel(x, y) != unfocused.pixel(x, y);
            } else {
                EXPECT_EQ(focused.pixel(x, y), unfocused.pixel(x, y))
                    << "the frame leaves the inside alone at " << x << ", " << y;
            }
        }
    }
    EXPECT_GT(outlineChanged, frame.width()) << "the frame is visible against the bar";

    QTest::keyClick(controlsOf(form).suwak2, Qt::Key_Tab);
    EXPECT_EQ(controlsOf(form).suwak2->grab().toImage(), unfocused)
        << "the frame goes with the focus";

    // Alt alone takes the keyboard to the menu bar; Right and Down open "Pomoc".
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
    EXPECT_EQ(form.menuBar()->activeAction(), controlsOf(form).Koniec1) << "Alt reaches the menu";
    QTest::keyClick(form.menuBar(), Qt::Key_Right);
    EXPECT_EQ(form.menuBar()->activeAction(), controlsOf(form).Oprogramie1->menuAction());
    QTest::keyClick(form.menuBar(), Qt::Key_Escape);
}
