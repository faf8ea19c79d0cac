#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Turns the hand-drawn XPM into the PNG that the program embeds (needs ImageMagick).
set -euo pipefail
cd "$(dirname "$0")"
convert falorys_icon.xpm -define png:exclude-chunks=date,time falorys_icon.png
