// SPDX-License-Identifier: MIT
#include "memo.h"

#include "font_mapping.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

namespace app {

Memo::Memo(QWidget *parent) : Memo(drawing::Font {}, parent) { }

Memo::Memo(const drawing::Font &font, QWidget *parent) : QPlainTextEdit(parent), m_font(font)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control, as in any dialog.
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
    setFont(drawing::toQFont(m_font));
}

void Memo::setFontRequest(const drawing::Font &font)
{
    m_font = font;
    setFont(drawing::toQFont(font));
}

void Memo::setLines(const QStringList &lines)
{
    setPlainText(drawing::displayText(m_font, lines.join(QLatin1Char('\n'))));
}

void Memo::setBorder(bool on)
{
    setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame);
}

void Memo::setFaceColoured(bool on)
{
    // Not filled at all: what lies beneath shows through, in whatever colours the scheme has.
    viewport()->setAutoFillBackground(!on);
    setAutoFillBackground(false);
}

void Memo::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable && !isReadOnly() && drawing::isSymbolFace(m_font.name)) {
        insertPlainText(drawing::symbolToUnicode(typed));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Memo::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && drawing::isSymbolFace(m_font.name)) {
        insertPlainText(drawing::symbolToUnicode(source->text()));
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace app
