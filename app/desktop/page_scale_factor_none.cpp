// SPDX-License-Identifier: MIT
// A desktop's scale factors are whole already (useWholeScaleFactors): no page chooses one.
#include "page_scale_factor.h"

namespace app {

void usePageScaleFactor() { }

} // namespace app
