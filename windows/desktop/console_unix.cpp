// SPDX-License-Identifier: MIT
#include "console.h"

#include <cstdio>

namespace windows {

void tellUser(TextStream stream, const QString &text)
{
    std::FILE *file = stream == TextStream::Error ? stderr : stdout;
    std::fputs(text.toLocal8Bit().constData(), file);
    std::fflush(file);
}

} // namespace windows
