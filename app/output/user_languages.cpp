// SPDX-License-Identifier: MIT
// Linux and Windows: the desktop's own list (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; Windows's
// preferred interface languages).
#include "language.h"

#include <QLocale>

namespace app {

QStringList userLanguages()
{
    return QLocale::system().uiLanguages();
}

} // namespace app
