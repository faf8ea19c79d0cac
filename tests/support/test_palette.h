// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

namespace testing_support {

// The fixed palette every test runs with, so that system colours give known pixels.
inline const QColor kFaceColour {0xF0, 0xF0, 0xF0};
inline const QColor kWindowTextColour {0x00, 0x00, 0x00};

} // namespace testing_support
