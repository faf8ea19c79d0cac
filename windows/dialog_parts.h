// SPDX-License-Identifier: MIT
#pragma once

#include "surface.h"

#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QDialog;
class QPushButton;

namespace windows {

// What the About and Description windows share: their look and the parts they both carry.

/** The web page on diffraction that the Description window names and opens. */
inline constexpr char16_t kWebAddress[] = u"https://pl.wikipedia.org/wiki/Dyfrakcja";
/** The one-line credit at the bottom of both windows. */
inline constexpr char16_t kCreditLine[] = u"© Falorys, optyka falowa";

/** "Falorys 2": Verdana, 12 pixels, bold, black. */
drawing::Font programNameFont();
/** "LUMENA": Verdana, 22 pixels, bold, maroon. */
drawing::Font seriesFont();
/** The credit line, the notice and the link: Arial, 11 pixels, Central European. */
drawing::Font textFont();
/** The red "Freeware" mark, in Arial of the given pixel height. */
drawing::Font freewareFont(int pixelHeight);

/**
 * Makes `dialog` a fixed-size window with the given caption, client size and default font, a
 * title bar with the close box only, placed in the centre of its screen.
 */
void setUpFixedDialog(QDialog &dialog, const QString &caption, QSize clientSize,
                      const drawing::Font &font);

/** A label or static text at `position`, sized to its text, in its font and colour. */
QLabel *addText(QWidget *parent, const QString &text, QPoint position, const drawing::Font &font);

/**
 * The side picture at `position`, at its natural size of 54 x 285 (what lies outside the client
 * area is cut off). If the picture cannot be decoded the control stays, empty.
 */
QLabel *addSidePicture(QWidget *parent, QPoint position);

/** The default "OK" button, which closes `dialog` with the modal result 1. */
QPushButton *addOkButton(QDialog &dialog, QRect geometry);

/** A label that runs a handler when it is clicked (pressed and released over it). */
class ClickableLabel : public QLabel
{
public:
    using QLabel::QLabel;

    void setClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::function<void()> m_onClick;
    bool m_pressed = false;
};

/** Puts the text, font and colour of a label as `addText` does. */
void setUpText(QLabel &label, const QString &text, QPoint position, const drawing::Font &font);

} // namespace windows
