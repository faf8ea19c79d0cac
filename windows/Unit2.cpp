// SPDX-License-Identifier: MIT
#include "Unit2.h"

#include "dialog_parts.h"
#include "memo.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

using windows::addText;

Tform2::Tform2(QWidget *parent) : QDialog(parent)
{
    windows::setUpFixedDialog(*this, QStringLiteral("O programie"), QSize(396, 265),
                              {QStringLiteral("MS Sans Serif"), -9, drawing::DefaultCharset});

    const drawing::Font arial = windows::textFont();

    // Made in tab order: the button first, then the notice; the rest take no focus.
    OKButton = windows::addOkButton(*this, QRect(175, 233, 75, 25));

    Memo1 = new Memo(this);
    Memo1->setGeometry(79, 80, 309, 147);
    Memo1->setFontRequest(arial);
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette white = Memo1->palette();
    white.setColor(QPalette::Base, Qt::white);
    Memo1->setPalette(white);
    Memo1->setLines(noticeLines());
    Memo1->setAccessibleName(QStringLiteral("Warunki używania programu"));

    Image1 = windows::addSidePicture(this, QPoint(0, 0));
    StaticText2 =
        addText(this, QStringLiteral("Falorys 2"), QPoint(79, 56), windows::programNameFont());
    StaticText1 = addText(this, QStringLiteral("LUMENA"), QPoint(293, 44), windows::seriesFont());
    StaticText8 =
        addText(this, QStringLiteral("Freeware"), QPoint(79, 244), windows::freewareFont(11));
    Label2 = addText(this, QString::fromUtf16(windows::kCreditLine), QPoint(264, 243), arial);

    setTabOrder(OKButton, Memo1);
    OKButton->setFocus();
}

QStringList Tform2::noticeLines()
{
    return {
        QStringLiteral("Program Falorys 2 jest udostępniany bezpłatnie"),
        QStringLiteral("(freeware) do celów edukacyjnych."),
        QStringLiteral("Wolno go używać w szkołach, na uczelniach"),
        QStringLiteral("i w domu bez żadnych opłat i rejestracji."),
        QStringLiteral("Można go kopiować i przekazywać innym osobom"),
        QStringLiteral("pod warunkiem, że rozpowszechnia się go w całości,"),
        QStringLiteral("bez zmian i nieodpłatnie."),
        QStringLiteral("Nie wolno go sprzedawać ani dołączać do produktów"),
        QStringLiteral("komercyjnych bez zgody autorów."),
        QStringLiteral("Program dostarczany jest bez żadnej gwarancji."),
    };
}
