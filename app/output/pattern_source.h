// SPDX-License-Identifier: MIT
#pragma once

#include "setting.h"

#include <QImage>

namespace app {

/**
 * What pictures and data out read of the window they come from: its setting, the model it last
 * drew with, and what its client area shows. The main window is one; the exports and the
 * context menu know it only through this.
 */
class PatternSource
{
public:
    /** The setting the scroll bars and the option group stand at. */
    virtual optics::Setting setting() const = 0;
    /** The model's parameters of the last redraw pass. */
    virtual const optics::Parameters &parameters() const = 0;
    virtual const optics::SpectrumTables &spectrum() const = 0;
    /**
     * What the client area shows at 1x, 632 x 434: the client image with the readout labels,
     * the option group and the scroll bars. The one picture the exports, the copy and the
     * saves give.
     */
    virtual QImage picture() const = 0;

protected:
    ~PatternSource() = default;
};

} // namespace app
