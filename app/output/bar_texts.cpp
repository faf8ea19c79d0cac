// SPDX-License-Identifier: MIT
#include "bar_texts.h"

#include "language.h"

#include <QLocale>

namespace app {

namespace {

/** A value of the scroll bar's texts (decimal comma) with the spoken language's separator. */
QString number(const std::string &value)
{
    const QString separator = QLocale(languageCode(spokenLanguage())).decimalPoint();
    return QString::fromStdString(value).replace(u',', separator);
}

} // namespace

QString stepText(optics::Bar bar)
{
    const optics::BarValuesText values = optics::valuesText(bar);
    return number(values.step) + u' ' + QString::fromLatin1(values.unit);
}

QString rangeText(optics::Bar bar)
{
    const optics::BarValuesText values = optics::valuesText(bar);
    return translate("Ranges", "od %1 do %2 %3, co %4")
        .arg(number(values.min), number(values.max), QString::fromLatin1(values.unit),
             stepText(bar));
}

} // namespace app
