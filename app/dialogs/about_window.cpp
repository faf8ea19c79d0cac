// SPDX-License-Identifier: MIT
#include "about_window.h"

#include "dialog_parts.h"
#include "memo.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

Tform2::Tform2(QWidget *parent)
    : FixedDialog(QStringLiteral("O programie"), QSize(396, 265),
                  {QStringLiteral("MS Sans Serif"), -9, drawing::DefaultCharset}, parent)
{
    // Made in tab order: the button first, then the notice; the rest take no focus.
    OKButton = app::addOkButton(*this, QRect(175, 233, 75, 25));

    Memo1 = new app::Memo(this);
    Memo1->setGeometry(79, 80, 309, 147);
    Memo1->setFontRequest(app::textFont());
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette white = Memo1->palette();
    white.setColor(QPalette::Base, Qt::white);
    Memo1->setPalette(white);
    Memo1->setLines(noticeLines());
    Memo1->setAccessibleName(QStringLiteral("Warunki używania programu"));

    Image1 = app::addSidePicture(this, QPoint(0, 0));
    const app::SharedLabels labels =
        app::addSharedLabels(this, {{79, 56}, {293, 44}, {79, 244}, 11, {264, 243}});
    StaticText2 = labels.name;
    StaticText1 = labels.series;
    StaticText8 = labels.freeware;
    Label2 = labels.credit;

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
