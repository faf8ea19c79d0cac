#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the larger theme icons from the scalable picture; the 32 x 32 size is the window
# icon itself, drawn pixel by pixel. Needs rsvg-convert (librsvg2-bin). Run after editing either.
set -euo pipefail
cd "$(dirname "$0")"
id=org.falorys.Falorys
mkdir -p 32
cp ../../app/resources/falorys_icon.png 32/$id.png
for size in 48 64 128 256; do
    mkdir -p "$size"
    rsvg-convert -w "$size" -h "$size" "$id.svg" -o "$size/$id.png"
done
