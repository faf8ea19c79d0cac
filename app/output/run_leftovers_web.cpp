// SPDX-License-Identifier: MIT
// A browser's page has neither signals to end on nor files that outlive it.
#include "run_leftovers.h"

#include "standard_streams.h"

#include <QString>

#include <cstdlib>

namespace app {

void endCleanlyOnSignals() { }
void holdEndingSignals() { }

void endRun(const char *line)
{
    tellUser(StandardStream::Error, QString::fromUtf8(line));
    std::_Exit(1);
}

} // namespace app
