// SPDX-License-Identifier: MIT
#include "dialog_parts.h"

#include "font_mapping.h"
#include "jpeg_picture.h"
#include "side_picture.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace windows {

drawing::Font programNameFont()
{
    return {QStringLiteral("Verdana"), -12, drawing::DefaultCharset, drawing::clBlack, true};
}

drawing::Font seriesFont()
{
    return {QStringLiteral("Verdana"), -22, drawing::DefaultCharset, drawing::rgbColour(0x80, 0, 0),
            true};
}

drawing::Font textFont()
{
    return {QStringLiteral("Arial"), -11, drawing::EastEuropeCharset};
}

drawing::Font freewareFont(int pixelHeight)
{
    return {QStringLiteral("Arial"), -pixelHeight, drawing::DefaultCharset,
            drawing::rgbColour(0xFF, 0, 0)};
}

void setUpFixedDialog(QDialog &dialog, const QString &caption, QSize clientSize,
                      const drawing::Font &font)
{
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(clientSize);
    dialog.setFont(drawing::toQFont(font));
    dialog.setSizeGripEnabled(false);

    // Centred on the screen rather than over the owner, which Qt would do by itself.
    const QScreen *screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        dialog.move(area.center() - QPoint(clientSize.width() / 2, clientSize.height() / 2));
    }
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
    picture->setAccessibleName(QStringLiteral("Ozdobny pasek z godłem programu"));
    picture->setGeometry(QRect(position, QSize(54, 285)));
    if (const auto image = decodeJpeg(sidePictureJpeg())) {
        picture->setPixmap(QPixmap::fromImage(*image));
        picture->resize(image->size());
    }
    return picture;
}

QPushButton *addOkButton(QDialog &dialog, QRect geometry)
{
    auto *button = new QPushButton(QStringLiteral("OK"), &dialog);
    button->setGeometry(geometry);
    button->setDefault(true);
    button->setAccessibleDescription(QStringLiteral("Zamyka okno"));
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(1); });
    return button;
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    event->accept(); // keep the release coming here
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click && m_onClick)
        m_onClick();
}

} // namespace windows
