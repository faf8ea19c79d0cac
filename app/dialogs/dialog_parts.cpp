// SPDX-License-Identifier: MIT
#include "dialog_parts.h"

#include "font_mapping.h"
#include "language.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

namespace app {

drawing::Font textFont()
{
    return {QStringLiteral("Arial"), -11, drawing::EastEuropeCharset};
}

SharedLabels addSharedLabels(QWidget *parent, const SharedLabelPlaces &places)
{
    const drawing::Font name {QStringLiteral("Verdana"), -12, drawing::DefaultCharset,
                              drawing::clBlack, true};
    const drawing::Font series {QStringLiteral("Verdana"), -22, drawing::DefaultCharset,
                                drawing::rgbColour(0x80, 0, 0), true};
    const drawing::Font freeware {QStringLiteral("Arial"), -places.freewarePixelHeight,
                                  drawing::DefaultCharset, drawing::rgbColour(0xFF, 0, 0)};
    return {
        addText(parent, QStringLiteral("Falorys 2"), places.name, name),
        addText(parent, QStringLiteral("LUMENA"), places.series, series),
        addText(parent, QStringLiteral("Freeware"), places.freeware, freeware),
        addText(parent, translate("Dialogs", "© Falorys, optyka falowa"), places.credit,
                textFont()),
    };
}

void setUpText(QLabel &label, const QString &text, QPoint position, const drawing::Font &font)
{
    label.setText(drawing::displayText(font, text));
    label.setTextFormat(Qt::PlainText);
    label.setFont(drawing::toQFont(font));
    // The window-text colour is the palette's own, so it follows the desktop's scheme.
    if (font.colour != drawing::clWindowText) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText,
                         QColor::fromRgb(drawing::resolveColour(
                             font.colour, drawing::systemColoursOf(palette))));
        label.setPalette(palette);
    }
    label.move(position);
    label.adjustSize();
}

QLabel *addText(QWidget *parent, const QString &text, QPoint position, const drawing::Font &font)
{
    auto *label = new QLabel(parent);
    setUpText(*label, text, position, font);
    return label;
}

QLabel *addSidePicture(QWidget *parent, QPoint position)
{
    auto *picture = new QLabel(parent);
    picture->setAccessibleName(translate("Dialogs", "Ozdobny pasek z godłem programu"));
    picture->setGeometry(QRect(position, QSize(54, 285)));
    const QImage image(QStringLiteral(":/side_picture.jpg"));
    if (!image.isNull()) {
        picture->setPixmap(QPixmap::fromImage(image));
        picture->resize(image.size());
    }
    return picture;
}

QPushButton *addOkButton(QDialog &dialog, QRect geometry)
{
    auto *button = new QPushButton(QStringLiteral("OK"), &dialog);
    button->setGeometry(geometry);
    button->setDefault(true);
    button->setAccessibleDescription(translate("Dialogs", "Zamyka okno"));
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(1); });
    return button;
}

} // namespace app
