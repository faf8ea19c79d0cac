#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the side picture of the About and Description windows: a 54 x 285 band shading from
# pale cream at the top to light gold at the bottom, with a small emblem near the top (a dark-
# blue figure pointing with a stick at a yellow board). The JPEG it writes is kept in the tree;
# run this again only to change the picture.
# Needs ImageMagick 6 (`convert`).
set -euo pipefail
out=${1:-"$(dirname "$0")/side_picture.jpg"}

convert -size 54x285 gradient:'#FFF8E4'-'#E6C05E' \
    -fill '#C9A24A' -draw 'rectangle 3,3 50,52' \
    -fill '#FFF6DA' -draw 'rectangle 4,4 49,51' \
    -stroke '#6B4A1E' -strokewidth 1 -fill '#F5D43A' -draw 'rectangle 25,9 46,29' \
    -stroke '#6B4A1E' -draw 'line 29,29 26,45' -draw 'line 42,29 45,45' \
    -stroke '#1C2A7A' -fill '#1C2A7A' -draw 'circle 13,14 13,17' \
    -strokewidth 2 -draw 'line 13,18 13,33' \
    -draw 'line 13,33 9,45' -draw 'line 13,33 17,45' \
    -draw 'line 13,22 9,30' -draw 'line 13,22 19,19' \
    -strokewidth 1 -stroke '#3A2A10' -draw 'line 19,19 32,14' \
    -stroke none -fill '#1C2A7A' -draw 'rectangle 29,18 41,19' -draw 'rectangle 29,22 38,23' \
    -strip -type TrueColor -sampling-factor 1x1 -quality 92 "$out"
echo "wrote $out"
