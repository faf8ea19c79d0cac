// SPDX-License-Identifier: MIT
// Windows has the classic faces themselves: the program carries none there.
#include "carried_faces.h"

namespace drawing {

QString carriedFamily(const QString &, bool)
{
    return {};
}

void useCarriedApplicationFont() { }

} // namespace drawing
