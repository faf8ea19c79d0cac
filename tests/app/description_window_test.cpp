// SPDX-License-Identifier: MIT
#include "description_window.h"

#include "clickable_label.h"
#include "dialog_checks.h"
#include "dialog_parts.h"
#include "rich_edit.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

using app::CharFormat;
using dialog_checks::expectText;

namespace {

const QString kAddress = QString::fromUtf16(Tform3::kWebAddress);

// A description window whose link opens nothing but is counted.
struct Description
{
    QList<QUrl> opened;
    Tform3 form {nullptr, [this](const QUrl &url) { opened.append(url); }};

    QString text() const { return form.RichEdit1->toPlainText(); }
    CharFormat at(int position) const { return form.RichEdit1->formatAt(position); }
    /** Where `needle` starts in the text, searching from `from`; fails the test if absent. */
    int find(const QString &needle, int from = 0) const
    {
        const int at = int(text().indexOf(needle, from));
        EXPECT_GE(at, 0) << "not in the text: " << needle.toStdString();
        return at;
    }
};

QStringList paragraphs(const Tform3 &form)
{
    QStringList result;
    for (QTextBlock block = form.RichEdit1->document()->begin(); block.isValid();
         block = block.next())
        result.append(block.text());
    return result;
}

} // namespace

TEST(DescriptionWindow, LayoutCaptionsFontsAndColours)
{
    Description d;
    Tform3 &form = d.form;
    dialog_checks::expectFixedDialog(form, QStringLiteral("Opis programu"), QSize(421, 317));
    dialog_checks::expectFont(&form, {QStringLiteral("MS Sans Serif"), -11});

    ASSERT_FALSE(form.Image1->pixmap().isNull()) << "the embedded picture did not decode";
    EXPECT_EQ(form.Image1->geometry(), QRect(0, -3, 54, 285)) << "its top 3 rows are hidden";
    expectText(form.StaticText1, QStringLiteral("Falorys 2"), {60, 29},
               {QStringLiteral("Verdana"), -12, drawing::DefaultCharset, 0x000000, true});
    expectText(form.StaticText2, QStringLiteral("LUMENA"), {288, 17},
               {QStringLiteral("Verdana"), -22, drawing::DefaultCharset, 0x000080, true});
    expectText(form.StaticText8, QStringLiteral("Freeware"), {56, 263},
               {QStringLiteral("Arial"), -10, drawing::DefaultCharset, 0x0000FF});
    drawing::Font link {QStringLiteral("Arial"), -11, drawing::EastEuropeCharset};
    link.underline = true;
    expectText(form.Label2, kAddress, {8, 295}, link);
    expectText(form.Label3, QString::fromUtf16(app::kCreditLine), {284, 295},
               {QStringLiteral("Arial"), -11, drawing::EastEuropeCharset});
    dialog_checks::expectOkButton(form.OKButton, {199, 284, 75, 25});
    EXPECT_LT(form.Label2->geometry().right(), form.OKButton->x()) << "the link clears OK";
    EXPECT_TRUE(form.rect().contains(form.Label3->geometry())) << "the credit line fits";

    app::RichEdit *box = form.RichEdit1;
    EXPECT_EQ(box->geometry(), QRect(60, 53, 353, 204));
    const CharFormat base = box->baseFormat();
    EXPECT_EQ(base.face, QStringLiteral("Times New Roman"));
    EXPECT_EQ(base.charset, 238);
    EXPECT_EQ(base.yHeight, 200) << "10 points";
    EXPECT_TRUE(base.autoColour);

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(box->verticalScrollBar()->isVisible()) << "the text is longer than the box";
    EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
    EXPECT_EQ(box->verticalScrollBar()->value(), 0) << "the text shows from its top";
    const QString text = box->toPlainText();
    QTest::keyClicks(box, QStringLiteral("x"));
    EXPECT_EQ(box->toPlainText(), text) << "read-only";
    EXPECT_EQ(box->selection(), (app::TextRange {box->textLength(), box->textLength()}))
        << "the caret stands at the end with an empty selection";
}

TEST(DescriptionWindow, SevenParagraphsInOrder)
{
    Description d;
    const QStringList text = paragraphs(d.form);
    ASSERT_EQ(text.size(), 7);

    const QString starts[] = {
        QStringLiteral("Program pozwala obserwować "),
        QStringLiteral("Natężenie światła"),
        QStringLiteral("Natomiast natężenie fali"),
        QStringLiteral("Łączny efekt możemy"),
        QStringLiteral("Ten wynik opisuje następujące fakty"),
        QStringLiteral("W programie można"),
        QStringLiteral("Więcej na temat"),
    };
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(testing::Message() << "paragraph " << i + 1);
        EXPECT_TRUE(text[i].startsWith(starts[i])) << text[i].toStdString();
    }

    EXPECT_TRUE(text[0].contains(QStringLiteral("dwoma szczelinami.")));
    EXPECT_TRUE(text[0].endsWith(QStringLiteral(". "))) << "a blank after the last full stop";
    EXPECT_TRUE(text[1].endsWith(
        QStringLiteral("równaniem: Iint = I0cos2β, gdzie β = πdsinθ/λ, przy czym d jest "
                       "odległością między szczelinami, λ długością fali świetlnej, a θ kątem "
                       "pod jakim światło dociera ze szczelin do danego punktu P ekranu "
                       "(ustawionego za szczelinami). ")))
        << text[1].toStdString();
    EXPECT_TRUE(text[2].endsWith(
        QStringLiteral("równaniem: Idyfr. = I0(sinα/α)2, gdzie α = πasinθ/λ, przy czym a jest "
                       "szerokością szczeliny. ")))
        << text[2].toStdString();
    EXPECT_TRUE(
        text[3].endsWith(QStringLiteral("Otrzymujemy wtedy równanie: I = I0cos2β(sinα/α)2")))
        << "ends with the superscript 2, no full stop: " << text[3].toStdString();
    EXPECT_TRUE(text[4].endsWith(
        QStringLiteral("jest więc iloczynem czynnika interferencyjnego i dyfrakcyjnego. ")));
    EXPECT_TRUE(text[5].contains(QStringLiteral("długość fali λ ")));
    EXPECT_TRUE(text[5].endsWith(QStringLiteral("tych parametrów."))) << "no blank after it";
    EXPECT_TRUE(text[6].endsWith(QStringLiteral(" ") + kAddress + QStringLiteral(".")));
}

TEST(DescriptionWindow, IndicesGreekLettersAndColours)
{
    Description d;
    const auto expectRun = [&d](int from, int length, int height, int offset) {
        for (int i = from; i < from + length; ++i) {
            SCOPED_TRACE(testing::Message()
                         << "character " << i << " '" << d.text().mid(i, 1).toStdString() << "'");
            EXPECT_EQ(d.at(i).yHeight, height);
            EXPECT_EQ(d.at(i).yOffset, offset);
        }
    };
    {
        SCOPED_TRACE("a subscript is 140 twips high and 42 below the baseline");
        const int iint = d.find(QStringLiteral("Iint = I0cos2β"));
        expectRun(iint, 1, 200, 0);
        expectRun(iint + 1, 3, 140, -42);
        expectRun(iint + 4, 4, 200, 0);
        expectRun(iint + 8, 1, 140, -42);
        SCOPED_TRACE("a superscript is 140 twips high and 42 above it");
        expectRun(iint + 9, 3, 200, 0);
        expectRun(iint + 12, 1, 140, 42);
        expectRun(iint + 13, 1, 200, 0);
        const int dyfr = d.find(QStringLiteral("Idyfr."));
        expectRun(dyfr + 1, 5, 140, -42);
        expectRun(dyfr + 6, 4, 200, 0);
        const QTextCharFormat shown = [&] {
            QTextCursor cursor(d.form.RichEdit1->document());
            cursor.setPosition(iint + 2);
            return cursor.charFormat();
        }();
        EXPECT_DOUBLE_EQ(shown.fontPointSize(), 7.0);
        EXPECT_DOUBLE_EQ(shown.baselineOffset(), -30.0);
    }
    {
        SCOPED_TRACE("no run but the indices leaves 10 points on the baseline");
        int small = 0;
        for (int i = 0; i < d.form.RichEdit1->textLength(); ++i) {
            const CharFormat f = d.at(i);
            if (f.yHeight == 140 && (f.yOffset == 42 || f.yOffset == -42)) {
                ++small;
            } else {
                EXPECT_TRUE(f.yHeight == 200 && f.yOffset == 0) << i;
            }
        }
        EXPECT_EQ(small, 3 + 1 + 1 + 5 + 1 + 1 + 1 + 1 + 1) << "characters in indices";
    }
    {
        SCOPED_TRACE("\"b = p\" in the Symbol face shows as β = π");
        const int beta = d.find(QStringLiteral("β = π"));
        for (int i = beta; i < beta + 5; ++i) {
            EXPECT_EQ(d.at(i).face, QStringLiteral("Symbol")) << i;
            EXPECT_EQ(d.at(i).charset, 2) << i;
        }
        EXPECT_EQ(d.at(beta - 1).face, QStringLiteral("Times New Roman"));
        EXPECT_EQ(d.at(beta + 5).face, QStringLiteral("Times New Roman")) << "dsin";
        EXPECT_EQ(d.at(beta + 5).charset, 238);
        const int lambda = d.find(QStringLiteral("fali λ "));
        EXPECT_EQ(d.at(lambda + 5).face, QStringLiteral("Symbol"));
        EXPECT_EQ(d.at(lambda + 6).face, QStringLiteral("Symbol")) << "the blank after λ";
        EXPECT_EQ(d.at(lambda + 7).face, QStringLiteral("Times New Roman"));
    }
    {
        SCOPED_TRACE("the first run in the window-text colour, later black runs explicit");
        const int firstRun = int(QStringLiteral("Program pozwala obserwować ").size());
        for (int i = 0; i < firstRun; ++i) {
            EXPECT_TRUE(d.at(i).autoColour) << i;
            EXPECT_EQ(d.at(i).face, QStringLiteral("Times New Roman"));
            EXPECT_EQ(d.at(i).charset, 238);
            EXPECT_EQ(d.at(i).yHeight, 200);
        }
        const int blue = d.find(QStringLiteral("dyfrakcji i interferencji "));
        EXPECT_FALSE(d.at(firstRun).autoColour);
        EXPECT_EQ(d.at(firstRun).colour, 0xFF0000u) << "the two phenomena in blue";
        EXPECT_EQ(d.at(blue + 25).colour, 0xFF0000u) << "the blue phrase ends with a blank";
        EXPECT_FALSE(d.at(blue + 26).autoColour);
        EXPECT_EQ(d.at(blue + 26).colour, 0x000000u) << "explicit black after it";
        const int slits = d.find(QStringLiteral("dwoma szczelinami."));
        EXPECT_EQ(d.at(slits).colour, 0xFF0000u);
        EXPECT_EQ(d.at(slits + 16).colour, 0xFF0000u);
        EXPECT_EQ(d.at(slits + 17).colour, 0x000000u) << "the full stop is black";
        EXPECT_FALSE(d.at(slits + 17).autoColour);
        const int product = d.find(QStringLiteral("iloczynem czynnika"));
        EXPECT_EQ(d.at(product - 1).colour, 0x000000u);
        EXPECT_EQ(d.at(product).colour, 0xFF0000u);
        const int paragraph6 = d.find(QStringLiteral("W programie"));
        EXPECT_EQ(d.at(paragraph6 - 2).colour, 0xFF0000u) << "the blank after the full stop";
        EXPECT_EQ(d.at(paragraph6).colour, 0x000000u);
    }
    {
        SCOPED_TRACE("the address is blue and underlined, the full stop after it plain black");
        const int address = d.find(kAddress);
        for (const int i : {address, address + int(kAddress.size()) - 1}) {
            EXPECT_EQ(d.at(i).colour, 0xFF0000u);
            EXPECT_TRUE(d.at(i).underline);
        }
        EXPECT_FALSE(d.at(address - 1).underline);
        const CharFormat stop = d.at(address + int(kAddress.size()));
        EXPECT_EQ(stop.colour, 0x000000u);
        EXPECT_FALSE(stop.underline || stop.bold || stop.italic || stop.strikeOut);
    }
}

TEST(DescriptionWindow, IndexArithmetic)
{
    CharFormat base;
    base.yHeight = 200;
    const CharFormat sub = Tform3::indexFormat(base, -1);
    EXPECT_EQ(sub.yHeight, 140);
    EXPECT_EQ(sub.yOffset, -42);
    const CharFormat sup = Tform3::indexFormat(base, 1);
    EXPECT_EQ(sup.yHeight, 140);
    EXPECT_EQ(sup.yOffset, 42);
    const CharFormat back = Tform3::indexFormat(sub, 0);
    EXPECT_EQ(back.yHeight, 200) << "Round(140 x 1.4285714285714286)";
    EXPECT_EQ(back.yOffset, 0);
    {
        SCOPED_TRACE("the operation is relative: two normals in a row grow the text twice");
        EXPECT_EQ(Tform3::indexFormat(back, 0).yHeight, 286);
        EXPECT_EQ(Tform3::indexFormat(Tform3::indexFormat(back, 0), 0).yHeight, 409);
    }
    {
        SCOPED_TRACE("products in extended precision: just below the half, not rounded to it");
        CharFormat f;
        f.yHeight = 5; // 5 x 0.7 is 3.5 in double arithmetic, which would round to 4
        EXPECT_EQ(Tform3::indexFormat(f, -1).yHeight, 3);
        f.yHeight = 25; // 17.5 in double arithmetic, which would round to 18
        EXPECT_EQ(Tform3::indexFormat(f, -1).yHeight, 17);
        f.yHeight = 7; // new height 5; 5 x 0.3 is 1.5 in double arithmetic
        EXPECT_EQ(Tform3::indexFormat(f, 1).yHeight, 5);
        EXPECT_EQ(Tform3::indexFormat(f, 1).yOffset, 1);
        EXPECT_EQ(Tform3::indexFormat(f, -1).yOffset, -1);
    }
}

TEST(DescriptionWindow, LinkLabelOpensTheAddressAndNothingElseDoes)
{
    Description d;
    Tform3 &form = d.form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    EXPECT_EQ(form.Label2->toolTip(), QStringLiteral("Połącz się ze stroną internetową"));
    EXPECT_EQ(form.Label2->cursor().shape(), Qt::ArrowCursor);
    for (QWidget *widget : form.findChildren<QWidget *>()) {
        if (widget != form.Label2) {
            EXPECT_TRUE(widget->toolTip().isEmpty()) << "hints on for the link label alone";
        }
    }

    {
        SCOPED_TRACE("clicking the blue address in the text does nothing");
        const int address = d.find(kAddress);
        QTextCursor cursor(form.RichEdit1->document());
        cursor.setPosition(address + 3);
        const QPoint inText = form.RichEdit1->cursorRect(cursor).center();
        QTest::mouseClick(form.RichEdit1->viewport(), Qt::LeftButton, {}, inText);
        EXPECT_TRUE(d.opened.isEmpty());
    }
    {
        SCOPED_TRACE("pressing on the label and letting go elsewhere is no click");
        QTest::mousePress(form.Label2, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(form.Label2, Qt::LeftButton, {}, QPoint(5, 200));
        EXPECT_TRUE(d.opened.isEmpty());
    }
    {
        SCOPED_TRACE("a click on the label opens the page, and the window stays");
        QTest::mouseClick(form.Label2, Qt::LeftButton);
        ASSERT_EQ(d.opened.size(), 1);
        EXPECT_EQ(d.opened.front(), QUrl(kAddress));
        EXPECT_EQ(d.opened.front().toString(), kAddress);
        EXPECT_TRUE(form.isVisible());
    }
}

TEST(DescriptionWindow, TabOrderAndModalEndings)
{
    {
        Description d;
        dialog_checks::expectTabOrder(d.form, d.form.RichEdit1);
    }
    dialog_checks::expectModalEndings<Tform3>();
}

TEST(DescriptionWindow, MenuItemOpensItModallyWithItsTextOnce)
{
    dialog_checks::expectOpenedFromMenu<Tform3>("Oprogramie2", [](Tform3 &form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Opis programu"));
        EXPECT_EQ(paragraphs(form).size(), 7);
        EXPECT_EQ(form.RichEdit1->toPlainText().count(QStringLiteral("Program pozwala")), 1);
    });
}
