// SPDX-License-Identifier: MIT
// Windows and the browser: a program always runs on a desktop or in its page, so there is no
// display to look for.
#include "display_check.h"

namespace app {

bool displayGiven(int, char **)
{
    return true;
}

DisplayCheck::DisplayCheck(int, char **) : m_previous(nullptr) { }

DisplayCheck::~DisplayCheck() = default;

} // namespace app
