// SPDX-License-Identifier: MIT
#include "language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace app {

namespace {

struct Known
{
    Language language;
    QLatin1StringView code;
};

constexpr Known kKnown[] = {
    {Language::Polish, QLatin1StringView("pl")},
    {Language::Ukrainian, QLatin1StringView("uk")},
    {Language::English, QLatin1StringView("en")},
};

Language spoken = Language::Polish;

QTranslator &catalogue()
{
    static QTranslator translator;
    return translator;
}

} // namespace

QString languageCode(Language language)
{
    for (const Known &known : kKnown)
        if (known.language == language)
            return known.code;
    return QStringLiteral("pl");
}

std::optional<Language> languageNamed(QStringView code)
{
    for (const Known &known : kKnown)
        if (code.trimmed().compare(known.code, Qt::CaseInsensitive) == 0)
            return known.language;
    return std::nullopt;
}

Language languageFor(const QStringList &userLanguages)
{
    for (const QString &name : userLanguages) {
        // "uk-UA", "uk_UA.UTF-8", "en": the language is what comes before the region.
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0);
        if (const auto known = languageNamed(language))
            return *known;
    }
    return Language::Polish;
}

std::optional<Language> languageAskedIn(const QStringList &arguments)
{
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == option && i + 1 < arguments.size())
            return languageNamed(arguments.at(i + 1));
        if (argument.startsWith(option + u'='))
            return languageNamed(QStringView(argument).mid(option.size() + 1));
    }
    return std::nullopt;
}

bool speak(Language language)
{
    if (QCoreApplication::instance())
        QCoreApplication::removeTranslator(&catalogue());
    spoken = Language::Polish;
    if (language == Language::Polish)
        return true;
    // Built into the program and read in place.
    if (!catalogue().load(QStringLiteral(":/translations/falorys_") + languageCode(language)))
        return false;
    spoken = language;
    if (QCoreApplication::instance())
        QCoreApplication::installTranslator(&catalogue());
    return true;
}

Language spokenLanguage()
{
    return spoken;
}

QTranslator *programCatalogue()
{
    return spoken == Language::Polish ? nullptr : &catalogue();
}

QString translate(const char *context, const char *source)
{
    const QString text =
        spoken == Language::Polish ? QString() : catalogue().translate(context, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

} // namespace app
