// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"

#include <QString>
#include <QTextCharFormat>
#include <QTextEdit>

#include <cstdint>

namespace app {

/**
 * A character format of the rich-edit box, in the terms the Description window builds its
 * text with: face name (at most 31 characters), character set, an explicit colour or the
 * automatic window-text colour, four style flags, and height and vertical offset in twips
 * (1/20 point; a positive offset raises the text above the baseline).
 */
struct CharFormat
{
    static constexpr int kMaxFaceLength = 31;

    QString face = QStringLiteral("Times New Roman");
    int charset = 1;
    bool autoColour = true;
    drawing::Colour colour = drawing::clBlack; ///< 0x00BBGGRR, used when autoColour is false
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int yHeight = 200; ///< [twips]
    int yOffset = 0; ///< [twips]

    bool operator==(const CharFormat &) const = default;
};

/** A selection as character positions, start <= end; start == end is the caret alone. */
struct TextRange
{
    int start = 0;
    int end = 0;

    bool operator==(const TextRange &) const = default;
};

/**
 * A rich-edit box: a QTextEdit driven through a caret format, like the classic rich-edit
 * control. The text that replaceSelection inserts takes the caret format; moving the selection
 * elsewhere makes the caret take the format of the character before it. Heights map to point
 * sizes (twips / 20) and offsets to QTextCharFormat::baselineOffset (percent of the run's
 * height); a run in the face "Symbol" is shown in Greek letters while its format still says
 * "Symbol". A paragraph break ("\r", "\n" or "\r\n") counts as one character.
 *
 * Like the native control, the box only exists once it is first used (text inserted, the
 * selection set, scrolled or shown): format changes sent before that are lost, and the text then
 * starts in the base format. The box keeps no undo history: the program fills it.
 */
class RichEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichEdit(QWidget *parent = nullptr);

    /** The default format: what the caret has in an empty box, and the box's own font. */
    CharFormat baseFormat() const { return m_base; }
    void setBaseFormat(const CharFormat &format);
    /** Changes only the base format's height; works whether or not the box exists yet. */
    void setBasePointSize(int points);

    /** The format the next inserted text takes (with a selection: that of its first character). */
    CharFormat caretFormat() const;
    /** Sets the caret format (and formats the selected text, if any); lost before the box exists.
     */
    void setCaretFormat(const CharFormat &format);
    /** The format of the character at `position`; the base format outside the text. */
    CharFormat formatAt(int position) const;

    /** Replaces the selection with `text` in the caret format; leaves the caret after it. */
    void replaceSelection(const QString &text);
    TextRange selection() const;
    /** Selects start..end (clamped to the text); a changed selection resets the caret format. */
    void setSelection(int start, int end);
    void scrollToCaret();
    /** Characters in the box, each paragraph break counting one. */
    int textLength() const;

    bool isRealised() const { return m_realised; }
    /** Makes the box exist, as its first use or showing does. */
    void realise() { m_realised = true; }

    /** The Qt format that shows `format`: font, colour, underline, baseline offset. */
    static QTextCharFormat toTextFormat(const CharFormat &format);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    /** The box's text colour: the base format's, or for the automatic colour the window text
        of the palette in force. */
    void applyTextColour();
    CharFormat fromTextFormat(const QTextCharFormat &format) const;

    CharFormat m_base;
    CharFormat m_caret;
    bool m_caretSet = false; // m_caret holds the caret format; else it follows the text
    bool m_ownChange = false; // the selection is being moved by us, not by the user
    bool m_realised = false;
};

} // namespace app
