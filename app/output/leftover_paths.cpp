// SPDX-License-Identifier: MIT
#include "leftover_paths.h"

#include "run_leftovers.h"

#include <cstring>
#include <iterator>

namespace app {

char leftoverPaths[4][4096];

Leftover::Leftover(const QByteArray &path)
{
    for (int i = 0; i < int(std::size(leftoverPaths)) && m_slot < 0; ++i) {
        if (leftoverPaths[i][0] == 0 && std::size_t(path.size()) < sizeof leftoverPaths[i]) {
            std::memcpy(leftoverPaths[i], path.constData(), std::size_t(path.size()) + 1);
            m_slot = i;
        }
    }
}

Leftover::~Leftover()
{
    if (m_slot >= 0)
        leftoverPaths[m_slot][0] = 0;
}

} // namespace app
