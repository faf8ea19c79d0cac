#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on a system without a single font: fontconfig reads a configuration that
# names no font folder. It must start, paint its window (the strip and the graph need no text),
# take a change, open and close the Description window, and end normally by its close box.
# Usage: no_fonts_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/../e2e/e2e_common.sh"

falorys=$1
send_close_request=$2

mkdir -p "$work/empty"
cat >"$work/fonts.conf" <<XML
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
    <cachedir>$work/fontconfig-cache</cachedir>
</fontconfig>
XML
no_fonts=(env FONTCONFIG_FILE="$work/fonts.conf" QT_QPA_FONTDIR="$work/empty")
[ -z "$("${no_fonts[@]}" fc-list)" ] || fail "fontconfig still finds fonts"

program_stderr=$work/stderr
start_program "${no_fonts[@]}"
wait_for_centre 7A00FF
shoot_client start
expect_pixel start 8 140 1A0036 "strip edge at 380 nm"
expect_pixel start 8 14 000000 "graph frame"
expect_pixel start 158 19 7A00FF "graph curve at column 150"
expect_pixel start 28 394 000000 "diagram background"

# A change redraws the readouts too: suwak1's right arrow, one step to 381 nm.
xdotool mousemove $((cx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
wait_for_centre not 7A00FF

# The Description window, whose text is all fonts. The menu titles show as boxes, one for each
# letter, which find_help_menu finds as it finds letters.
import -window root "$work/screen.png"
find_help_menu screen
open_help_item 1
desc=$(window_named 'Opis programu') || fail "Opis programu did not open without fonts"
# Its link label, a row of boxes now, reaches over "OK": the close box ends it.
"$send_close_request" "$desc"
wait_until_gone 'Opis programu' "close box without fonts"

"$send_close_request" "$wid"
wait_for_exit 0 "close box without fonts"
echo "no fonts: all checks passed ($(wc -l <"$work/stderr") lines on stderr)"
