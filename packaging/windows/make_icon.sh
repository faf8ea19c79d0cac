#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Windows icon (the program's file, its shortcuts, the installer and "Apps & features")
# from the theme icons, in the sizes Explorer asks for. Needs ImageMagick. Run after editing them.
set -euo pipefail
cd "$(dirname "$0")"
icons=../icons
id=org.falorys.Falorys
convert "$icons/256/$id.png" "$icons/64/$id.png" "$icons/48/$id.png" "$icons/32/$id.png" \
    \( "$icons/32/$id.png" -filter box -resize 16x16 \) falorys.ico
