// SPDX-License-Identifier: MIT
#include "qt_translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace app {

bool usePolishQtTexts()
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/translations/qtbase_pl.qm")))
        return false;
    // It lives as long as the application.
    translator->setParent(QCoreApplication::instance());
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace app
