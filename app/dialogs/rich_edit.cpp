// SPDX-License-Identifier: MIT
#include "rich_edit.h"

#include "font_mapping.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// Where a run keeps the format it was asked for, beside what Qt shows of it: the Symbol face is
// shown in another face, and heights and offsets in twips must come back exactly.
enum Property : int {
    FaceProperty = QTextFormat::UserProperty + 1,
    CharsetProperty,
    AutoColourProperty,
    ColourProperty,
    HeightProperty,
    OffsetProperty,
};

QColor explicitColourOf(const CharFormat &format)
{
    return QColor::fromRgb(drawing::resolveColour(
        format.colour, drawing::systemColoursOf(QGuiApplication::palette())));
}

} // namespace

RichEdit::RichEdit(QWidget *parent) : QTextEdit(parent)
{
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
    setBaseFormat(m_base);
    // Any move of the selection but our own makes the caret take the text's format again.
    auto forget = [this] {
        if (!m_ownChange)
            m_caretSet = false;
    };
    connect(this, &QTextEdit::cursorPositionChanged, this, forget);
    connect(this, &QTextEdit::selectionChanged, this, forget);
}

QTextCharFormat RichEdit::toTextFormat(const CharFormat &format)
{
    drawing::Font request;
    request.name = format.face;
    request.charset = format.charset;
    request.bold = format.bold;
    request.italic = format.italic;
    request.underline = format.underline;
    QFont font = drawing::toQFont(request);
    font.setPointSizeF(std::max(format.yHeight, 1) / 20.0);
    font.setStrikeOut(format.strikeOut);

    QTextCharFormat result;
    result.setFont(font, QTextCharFormat::FontPropertiesAll);
    if (format.autoColour)
        result.clearForeground(); // the box's text colour, which follows the desktop scheme
    else
        result.setForeground(explicitColourOf(format));
    if (format.yOffset != 0 && format.yHeight > 0)
        result.setBaselineOffset(100.0 * format.yOffset / format.yHeight);
    result.setProperty(FaceProperty, format.face);
    result.setProperty(CharsetProperty, format.charset);
    result.setProperty(AutoColourProperty, format.autoColour);
    result.setProperty(ColourProperty, qulonglong(format.colour));
    result.setProperty(HeightProperty, format.yHeight);
    result.setProperty(OffsetProperty, format.yOffset);
    return result;
}

CharFormat RichEdit::fromTextFormat(const QTextCharFormat &text) const
{
    if (!text.hasProperty(FaceProperty))
        return m_base; // not put in through this layer
    CharFormat format;
    format.face = text.stringProperty(FaceProperty);
    format.charset = text.intProperty(CharsetProperty);
    format.autoColour = text.boolProperty(AutoColourProperty);
    format.colour = drawing::Colour(text.property(ColourProperty).toULongLong());
    const QFont font = text.font();
    format.bold = font.bold();
    format.italic = font.italic();
    format.underline = font.underline();
    format.strikeOut = font.strikeOut();
    format.yHeight = text.intProperty(HeightProperty);
    format.yOffset = text.intProperty(OffsetProperty);
    return format;
}

void RichEdit::setBaseFormat(const CharFormat &format)
{
    m_base = format;
    m_base.face.truncate(CharFormat::kMaxFaceLength);
    const QTextCharFormat text = toTextFormat(m_base);
    document()->setDefaultFont(text.font());
    applyTextColour();
}

void RichEdit::applyTextColour()
{
    // The automatic colour is the window text of the scheme in force, read anew on every change.
    QPalette palette = this->palette();
    const QColor colour =
        m_base.autoColour ? palette.color(QPalette::WindowText) : explicitColourOf(m_base);
    if (palette.color(QPalette::Text) != colour) {
        palette.setColor(QPalette::Text, colour);
        setPalette(palette);
    }
}

void RichEdit::setBasePointSize(int points)
{
    if (m_base.yHeight == points * 20)
        return;
    CharFormat format = m_base;
    format.yHeight = points * 20;
    setBaseFormat(format);
}

CharFormat RichEdit::formatAt(int position) const
{
    if (position < 0 || position >= textLength())
        return m_base;
    const QTextBlock block = document()->findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (position >= fragment.position() && position < fragment.position() + fragment.length())
            return fromTextFormat(fragment.charFormat());
    }
    return fromTextFormat(block.charFormat()); // the paragraph break ending the block
}

CharFormat RichEdit::caretFormat() const
{
    if (m_caretSet)
        return m_caret;
    const TextRange range = selection();
    if (range.start == range.end && range.start > 0)
        return formatAt(range.start - 1);
    return formatAt(range.start);
}

void RichEdit::setCaretFormat(const CharFormat &format)
{
    if (!m_realised)
        return;
    m_caret = format;
    m_caret.face.truncate(CharFormat::kMaxFaceLength);
    m_caretSet = true;
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        cursor.setCharFormat(toTextFormat(m_caret));
}

void RichEdit::replaceSelection(const QString &text)
{
    realise();
    const CharFormat format = caretFormat();
    const QTextCharFormat shown = toTextFormat(format);
    const QString letters =
        drawing::isSymbolFace(format.face) ? drawing::symbolToUnicode(text) : text;
    m_ownChange = true;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    qsizetype from = 0;
    for (qsizetype i = 0; i <= letters.size(); ++i) {
        const bool end = i == letters.size();
        if (!end && letters[i] != u'\r' && letters[i] != u'\n')
            continue;
        if (i > from)
            cursor.insertText(letters.mid(from, i - from), shown);
        if (!end)
            cursor.insertBlock(cursor.blockFormat(), shown);
        if (!end && letters[i] == u'\r' && i + 1 < letters.size() && letters[i + 1] == u'\n')
            ++i; // a CR LF pair is one break
        from = i + 1;
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    m_ownChange = false;
    m_caret = format;
    m_caretSet = true;
}

TextRange RichEdit::selection() const
{
    const QTextCursor cursor = textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

void RichEdit::setSelection(int start, int end)
{
    realise();
    const int length = textLength();
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    if (selection() == TextRange {std::min(start, end), std::max(start, end)})
        return; // the same selection keeps the caret format
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_caretSet = false;
    setTextCursor(cursor);
}

void RichEdit::scrollToCaret()
{
    realise();
    ensureCursorVisible();
}

int RichEdit::textLength() const
{
    return std::max(document()->characterCount() - 1, 0);
}

void RichEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        applyTextColour();
    QTextEdit::changeEvent(event);
}

void RichEdit::showEvent(QShowEvent *event)
{
    realise();
    QTextEdit::showEvent(event);
}

} // namespace app
