// SPDX-License-Identifier: MIT
#include "about_window.h"

#include "dialog_parts.h"
#include "memo.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

Tform2::Tform2(QWidget *parent)
    : FixedDialog(Tform2::tr("O programie"), QSize(396, 265),
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
    Memo1->setAccessibleName(Tform2::tr("Warunki używania programu"));

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
        Tform2::tr("Program Falorys 2 jest udostępniany bezpłatnie"),
        Tform2::tr("(freeware) do celów edukacyjnych."),
        Tform2::tr("Wolno go używać w szkołach, na uczelniach"),
        Tform2::tr("i w domu bez żadnych opłat i rejestracji."),
        Tform2::tr("Można go kopiować i przekazywać innym osobom"),
        Tform2::tr("pod warunkiem, że rozpowszechnia się go w całości,"),
        Tform2::tr("bez zmian i nieodpłatnie."),
        Tform2::tr("Nie wolno go sprzedawać ani dołączać do produktów"),
        Tform2::tr("komercyjnych bez zgody autorów."),
        Tform2::tr("Program dostarczany jest bez żadnej gwarancji."),
    };
}
