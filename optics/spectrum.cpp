// SPDX-License-Identifier: MIT
#include "spectrum.h"

namespace optics {

void widmo(SpectrumTables &t)
{
    for (int i = 1; i <= kSpectrumSize; ++i) {
        int r = 0, g = 0, b = 0;
        if (i <= 41) { // 380..420 nm: violet fading to blue
            r = 125 - 3 * i;
            b = 255;
        } else if (i <= 71) { // 421..450 nm
            g = 5 * (i - 41);
            b = 255;
        } else if (i <= 96) { // 451..475 nm
            g = 150 + 4 * (i - 71);
            b = 255 - 4 * (i - 71);
        } else if (i <= 121) { // 476..500 nm
            g = 255;
            b = 155 - 5 * (i - 96);
        } else if (i <= 141) { // 501..520 nm
            r = 2 * (i - 121);
            g = 255;
            b = 25 - (i - 121);
        } else if (i <= 181) { // 521..560 nm
            r = 40 + 3 * (i - 141);
            g = 255;
        } else if (i <= 210) { // 561..589 nm: red restarts lower, as the original table does
            r = 139 + 4 * (i - 181);
            g = 255;
        } else if (i <= 241) { // 590..620 nm
            r = 255;
            g = 255 - 2 * (i - 211);
        } else if (i <= 261) { // 621..640 nm
            r = 255;
            g = 195 - 4 * (i - 241);
        } else if (i <= 318) { // 641..697 nm
            r = 255;
            g = 115 - 2 * (i - 261);
        } else { // 698..760 nm: deep red darkening
            r = 255 - 2 * (i - 318);
        }
        t.tab_lambda[i] = i + kWavelengthOffsetNm;
        t.tab_r[i] = r;
        t.tab_g[i] = g;
        t.tab_b[i] = b;
    }
}

} // namespace optics
