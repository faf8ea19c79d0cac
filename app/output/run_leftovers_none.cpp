// SPDX-License-Identifier: MIT
// Windows ends a program without signals to catch and keeps no runtime folder for Qt; a
// temporary file goes with its PendingFile. A browser's page has neither signals nor files
// that outlive it.
#include "run_leftovers.h"

#include "standard_streams.h"

#include <QString>

#include <cstdlib>

namespace app {

Leftover::Leftover(const QByteArray &) { }
Leftover::~Leftover() = default;

void endCleanlyOnSignals() { }
void holdEndingSignals() { }

void endRun(const char *line)
{
    tellUser(StandardStream::Error, QString::fromUtf8(line));
    std::_Exit(1);
}

RuntimeFolderForRun::RuntimeFolderForRun(bool) { }
RuntimeFolderForRun::~RuntimeFolderForRun() = default;
void RuntimeFolderForRun::removeMade() { }

} // namespace app
