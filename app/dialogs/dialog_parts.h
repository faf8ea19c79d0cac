// SPDX-License-Identifier: MIT
#pragma once

#include "surface.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace app {

// The parts the About and Description windows both carry, built alike in both.

/** The one-line credit at the bottom of both windows, as the Polish program shows it. */
inline constexpr char16_t kCreditLine[] = u"© Falorys, optyka falowa";

/** The credit line, the notice and the link: Arial, 11 pixels, Central European. */
drawing::Font textFont();

/** Where a window puts the labels both windows carry, and how tall its "Freeware" is. */
struct SharedLabelPlaces
{
    QPoint name;
    QPoint series;
    QPoint freeware;
    int freewarePixelHeight;
    QPoint credit;
};

struct SharedLabels
{
    QLabel *name; ///< "Falorys 2": Verdana, 12 pixels, bold, black
    QLabel *series; ///< "LUMENA": Verdana, 22 pixels, bold, maroon
    QLabel *freeware; ///< "Freeware": Arial, red
    QLabel *credit; ///< the credit line, in textFont()
};

/** Adds the program's name, the series, the "Freeware" mark and the credit line. */
SharedLabels addSharedLabels(QWidget *parent, const SharedLabelPlaces &places);

/** A label or static text at `position`, sized to its text, in its font and colour. */
QLabel *addText(QWidget *parent, const QString &text, QPoint position, const drawing::Font &font);

/** Puts the text, font and colour of a label as `addText` does. */
void setUpText(QLabel &label, const QString &text, QPoint position, const drawing::Font &font);

/**
 * The side picture at `position`, at its natural size of 54 x 285 (what lies outside the client
 * area is cut off). If the picture cannot be decoded the control stays, empty.
 */
QLabel *addSidePicture(QWidget *parent, QPoint position);

/** The default "OK" button, which closes `dialog` with the modal result 1. */
QPushButton *addOkButton(QDialog &dialog, QRect geometry);

} // namespace app
