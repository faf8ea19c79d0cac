// SPDX-License-Identifier: MIT
#include "qt_translations.h"

#include "language.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace app {

bool installLanguage()
{
    if (QTranslator *program = programCatalogue())
        QCoreApplication::installTranslator(program);
    const Language language = spokenLanguage();
    if (language == Language::English)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/translations/qtbase_") + languageCode(language)))
        return false;
    // It lives as long as the application.
    translator->setParent(QCoreApplication::instance());
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace app
