// SPDX-License-Identifier: MIT
#include "rich_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using app::CharFormat;
using app::RichEdit;
using app::TextRange;

namespace {

CharFormat explicitFormat(drawing::Colour colour, int height = 200, int offset = 0)
{
    CharFormat format;
    format.autoColour = false;
    format.colour = colour;
    format.yHeight = height;
    format.yOffset = offset;
    return format;
}

// What Qt shows for the character at `position`.
QTextCharFormat shownAt(const RichEdit &box, int position)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    return cursor.charFormat();
}

} // namespace

TEST(RichEdit, FormatChangesBeforeTheBoxExistsAreLost)
{
    RichEdit box;
    CharFormat base;
    base.face = QStringLiteral("Times New Roman");
    base.charset = 238;
    box.setBaseFormat(base);
    ASSERT_FALSE(box.isRealised());

    box.setCaretFormat(explicitFormat(0x0000FF));
    EXPECT_EQ(box.caretFormat(), base) << "a change sent to a box that does not exist yet";
    box.setBasePointSize(12);
    EXPECT_EQ(box.baseFormat().yHeight, 240) << "the base font's size changes at any time";
    box.setBasePointSize(10);

    box.replaceSelection(QStringLiteral("ab"));
    EXPECT_TRUE(box.isRealised()) << "inserting text makes the box exist";
    EXPECT_EQ(box.formatAt(0), base);
    EXPECT_TRUE(box.formatAt(0).autoColour);
    EXPECT_FALSE(shownAt(box, 0).hasProperty(QTextFormat::ForegroundBrush))
        << "the automatic colour is the box's own text colour, not a fixed one";

    const CharFormat red = explicitFormat(0x0000FF);
    box.setCaretFormat(red);
    EXPECT_EQ(box.caretFormat(), red);
    box.replaceSelection(QStringLiteral("cd"));
    EXPECT_EQ(box.formatAt(2), red);
    EXPECT_EQ(box.formatAt(3), red);
    EXPECT_EQ(box.formatAt(1), base) << "earlier text keeps its format";
    EXPECT_EQ(shownAt(box, 2).foreground().color(), QColor(0xFF, 0, 0)) << "0x0000FF is red";
}

TEST(RichEdit, AutomaticColourFollowsTheColourScheme)
{
    RichEdit automatic;
    RichEdit blue;
    blue.setBaseFormat(explicitFormat(0xFF0000));
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xD0, 0xC0));
    dark.setColor(QPalette::Text, QColor(0x10, 0x20, 0x30));
    QApplication::setPalette(dark);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return automatic.palette().color(QPalette::Text) == QColor(0xE0, 0xD0, 0xC0);
    })) << "the automatic colour is the new scheme's window text";
    EXPECT_EQ(blue.palette().color(QPalette::Text), QColor(0, 0, 0xFF)) << "explicit stays";
    QApplication::setPalette(original);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return automatic.palette().color(QPalette::Text) == original.color(QPalette::WindowText);
    }));
}

TEST(RichEdit, HeightsAndOffsetsShowAsPointSizesAndBaselineShifts)
{
    RichEdit box;
    box.realise();
    struct Case
    {
        int height;
        int offset;
        double points;
        double baselinePercent;
    };
    int position = 0;
    for (const Case c : {Case {140, -42, 7.0, -30.0}, Case {140, 42, 7.0, 30.0},
                         Case {200, 0, 10.0, 0.0}, Case {280, 70, 14.0, 25.0}}) {
        SCOPED_TRACE(testing::Message() << c.height << " twips, offset " << c.offset);
        box.setCaretFormat(explicitFormat(0, c.height, c.offset));
        box.replaceSelection(QStringLiteral("x"));
        const QTextCharFormat shown = shownAt(box, position);
        EXPECT_DOUBLE_EQ(shown.fontPointSize(), c.points);
        EXPECT_DOUBLE_EQ(shown.baselineOffset(), c.baselinePercent);
        EXPECT_EQ(box.formatAt(position).yHeight, c.height) << "twips come back exactly";
        EXPECT_EQ(box.formatAt(position).yOffset, c.offset);
        ++position;
    }

    CharFormat styled = explicitFormat(0xFF0000);
    styled.bold = true;
    styled.underline = true;
    styled.strikeOut = true;
    box.setCaretFormat(styled);
    box.replaceSelection(QStringLiteral("s"));
    const QTextCharFormat shown = shownAt(box, position);
    EXPECT_TRUE(shown.font().bold());
    EXPECT_FALSE(shown.font().italic());
    EXPECT_TRUE(shown.fontUnderline());
    EXPECT_TRUE(shown.fontStrikeOut());
    EXPECT_EQ(shown.foreground().color(), QColor(0, 0, 0xFF)) << "0xFF0000 is blue";
    EXPECT_EQ(box.formatAt(position), styled);
}

TEST(RichEdit, SymbolFaceShowsGreekLettersAndKeepsItsName)
{
    RichEdit box;
    box.realise();
    box.replaceSelection(QStringLiteral("d"));
    CharFormat symbol = box.caretFormat();
    symbol.face = QStringLiteral("Symbol");
    symbol.charset = 2;
    box.setCaretFormat(symbol);
    box.replaceSelection(QStringLiteral("b = p"));
    CharFormat times = box.caretFormat();
    times.face = QStringLiteral("Times New Roman");
    times.charset = 238;
    box.setCaretFormat(times);
    box.replaceSelection(QStringLiteral("sin"));

    EXPECT_EQ(box.toPlainText(), QStringLiteral("dβ = πsin"))
        << "Greek letters for b and p; the blanks and '=' unchanged; Latin text around unchanged";
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(box.formatAt(i).face, QStringLiteral("Symbol"));
        EXPECT_EQ(box.formatAt(i).charset, 2);
    }
    EXPECT_EQ(box.formatAt(6).face, QStringLiteral("Times New Roman"));

    CharFormat longName = times;
    longName.face = QString(40, QLatin1Char('F'));
    box.setCaretFormat(longName);
    EXPECT_EQ(box.caretFormat().face.size(), CharFormat::kMaxFaceLength);
}

TEST(RichEdit, SelectionParagraphsAndCaretFormat)
{
    RichEdit box;
    box.realise();
    const CharFormat a = explicitFormat(0x000001);
    const CharFormat b = explicitFormat(0x000002);
    box.setCaretFormat(a);
    box.replaceSelection(QStringLiteral("abc"));
    box.setCaretFormat(b);
    box.replaceSelection(QStringLiteral("\rdef"));

    EXPECT_EQ(box.document()->blockCount(), 2) << "a carriage return starts a paragraph";
    EXPECT_EQ(box.textLength(), 7) << "the paragraph break counts one character";
    EXPECT_EQ(box.selection(), (TextRange {7, 7})) << "the caret ends after the inserted text";
    EXPECT_FALSE(box.document()->isUndoAvailable()) << "insertions are not for the user's undo";
    {
        SCOPED_TRACE("line feeds and CR LF pairs break paragraphs too, once each");
        RichEdit other;
        other.replaceSelection(QStringLiteral("a\nb\r\nc"));
        EXPECT_EQ(other.document()->blockCount(), 3);
        EXPECT_EQ(other.toPlainText(), QStringLiteral("a\nb\nc"));
    }

    {
        SCOPED_TRACE("setting the selection it already has keeps the caret format");
        const CharFormat c = explicitFormat(0x000003);
        box.setCaretFormat(c);
        box.setSelection(7, 7);
        EXPECT_EQ(box.caretFormat(), c);
    }
    {
        SCOPED_TRACE("moving the caret makes it take the format of the character before it");
        box.setSelection(2, 2);
        EXPECT_EQ(box.caretFormat(), a);
        box.setSelection(7, 7);
        EXPECT_EQ(box.caretFormat(), b) << "the format set for the end earlier is gone";
    }
    {
        SCOPED_TRACE("the user moving the caret does the same");
        box.setCaretFormat(explicitFormat(0x000004));
        QTextCursor cursor = box.textCursor();
        cursor.setPosition(1);
        box.setTextCursor(cursor);
        cursor.setPosition(7);
        box.setTextCursor(cursor);
        EXPECT_EQ(box.caretFormat(), b);
    }
    {
        SCOPED_TRACE("a selection is clamped to the text and replaced as a whole");
        box.setSelection(-4, 100);
        EXPECT_EQ(box.selection(), (TextRange {0, 7}));
        box.setSelection(5, 1);
        EXPECT_EQ(box.selection(), (TextRange {1, 5}));
        EXPECT_EQ(box.caretFormat(), a) << "a selection reports its first character's format";
        box.replaceSelection(QStringLiteral("XY"));
        EXPECT_EQ(box.toPlainText(), QStringLiteral("aXYef"));
        EXPECT_EQ(box.formatAt(1), a);
        EXPECT_EQ(box.formatAt(3), b);
        EXPECT_EQ(box.selection(), (TextRange {3, 3}));
    }
    {
        SCOPED_TRACE("a format set with a selection formats the selected text");
        box.setSelection(0, 2);
        const CharFormat d = explicitFormat(0x000005);
        box.setCaretFormat(d);
        EXPECT_EQ(box.formatAt(0), d);
        EXPECT_EQ(box.formatAt(1), d);
        EXPECT_EQ(box.formatAt(2), a);
    }
    EXPECT_EQ(box.formatAt(-1), box.baseFormat()) << "outside the text";
    EXPECT_EQ(box.formatAt(99), box.baseFormat()) << "outside the text";
}
