// SPDX-License-Identifier: MIT
#include "program_end.h"

#include "browser_page.h"
#include "language.h"

#include <QApplication>
#include <QWidget>

namespace app {

void endProgram(int exitCode)
{
    // The page puts this line where the program was; nothing is left to answer clicks.
    callPage("falorysEnded",
             translate("BrowserPage",
                       "Program Falorys zakończył pracę. Aby uruchomić go ponownie, "
                       "odśwież stronę (klawisz F5 albo przycisk odświeżania przeglądarki)."));
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::exit(exitCode);
}

} // namespace app
