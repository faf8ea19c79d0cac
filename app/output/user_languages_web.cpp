// SPDX-License-Identifier: MIT
// The browser: the languages its user asked pages for.
#include "language.h"

#include <emscripten/val.h>

namespace app {

QStringList userLanguages()
{
    const emscripten::val languages = emscripten::val::global("navigator")["languages"];
    QStringList names;
    if (!languages.isArray())
        return names;
    const int count = languages["length"].as<int>();
    for (int i = 0; i < count; ++i)
        names << QString::fromStdString(languages[i].as<std::string>());
    return names;
}

} // namespace app
