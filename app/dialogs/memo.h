// SPDX-License-Identifier: MIT
#pragma once

#include "surface.h"

#include <QPlainTextEdit>
#include <QStringList>

namespace app {

/**
 * A memo: lines of text wrapped at the control's width, in a font given as a font request.
 * In the "Symbol" face the Latin letters stand for Greek ones, both in the lines it is given
 * and in what the user types or pastes into it.
 */
class Memo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit Memo(QWidget *parent = nullptr);
    /** A memo in `font` from the start, so that no other font is ever loaded for it. */
    explicit Memo(const drawing::Font &font, QWidget *parent = nullptr);

    void setFontRequest(const drawing::Font &font);
    const drawing::Font &fontRequest() const { return m_font; }
    /** Replaces the text by `lines`, written as the font request reads them. */
    void setLines(const QStringList &lines);
    /** With a border the memo has a sunken frame; without one it lies flat on its parent. */
    void setBorder(bool on);
    /** A face-coloured memo shows the window's colour beneath it instead of text-field white. */
    void setFaceColoured(bool on);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    drawing::Font m_font;
};

} // namespace app
