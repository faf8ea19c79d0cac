// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <optional>

class QTranslator;

namespace app {

/** The languages the program speaks. Polish is its own: every text is written in it. */
enum class Language { Polish, Ukrainian, English };

/** "pl", "uk", "en": the value of --lang and of the address's lang. */
QString languageCode(Language language);
/** The language of a code as --lang takes it, or none. */
std::optional<Language> languageNamed(QStringView code);

/**
 * The first of the user's languages (BCP 47 or POSIX names, most wanted first) that the program
 * speaks: "uk…" Ukrainian, "en…" English, "pl…" Polish; Polish where none is.
 */
Language languageFor(const QStringList &userLanguages);
/** The desktop's or the browser's languages for its user, most wanted first. */
QStringList userLanguages();

/** The language a valid "--lang CODE" or "--lang=CODE" among `arguments` asks for, if any. */
std::optional<Language> languageAskedIn(const QStringList &arguments);

/**
 * Makes `language` the one the program speaks from now on; false (and Polish) where its
 * catalogue cannot be read. Before the application exists this serves `translate`; once it
 * exists, `installLanguage` makes it serve `tr()` and Qt's own texts too.
 */
bool speak(Language language);
Language spokenLanguage();
/** The program's catalogue for the spoken language: none for Polish. */
QTranslator *programCatalogue();

/**
 * The program's text `source` (Polish) in the spoken language. Unlike Qt's own translate() it
 * answers before the application object exists too, as the command line needs.
 */
QString translate(const char *context, const char *source);

} // namespace app
