// SPDX-License-Identifier: MIT
// Windows and a browser's page keep no runtime folder for Qt, and no library there tells of its
// font configuration on stderr.
#include "run_leftovers.h"

namespace app {

QuietStandardError::QuietStandardError() = default;
QuietStandardError::~QuietStandardError() = default;

RuntimeFolderForRun::RuntimeFolderForRun(bool) { }
RuntimeFolderForRun::~RuntimeFolderForRun() = default;
void RuntimeFolderForRun::removeMade() { }

} // namespace app
