#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on a virtual X screen: it must draw its window, follow a scroll bar moved
# with real X input, end with code 1 through "Koniec" and with code 0 through the close box.
# Usage: main_window_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"

falorys=$1
send_close_request=$2

# --- First run: the start picture, a scroll bar moved by the mouse and the keyboard, Koniec.
start_program
wait_for_centre 7A00FF
shoot_client start

xprop -id "$wid" WM_CLASS | grep -q '"Falorys"' || fail "application title is not Falorys"
xprop -id "$wid" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "no 32 x 32 window icon"

expect_pixel start 8 140 1A0036 "strip edge at 380 nm"
expect_pixel start 31 120 000000 "first dark fringe"
expect_pixel start 8 14 000000 "graph frame"
expect_pixel start 158 19 7A00FF "graph curve at column 150"
expect_pixel start 28 394 000000 "diagram background"
expect_pixel start 439 159 000000 "spectrum bar box"
expect_pixel start 600 170 000000 "spectrum bar margin"
[ "$(pixel start 520 170)" != 000000 ] || fail "spectrum bar has no colours"

# The right arrow of suwak1 (440, 181, 168 x 17): one step, to 381 nm.
xdotool mousemove $((cx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
wait_for_centre not 7A00FF
mv "$work/current.png" "$work/step.png"
# The click gave suwak1 the keyboard focus: End takes it to 760 nm.
xdotool key End
wait_for_centre not "$(pixel step 188 110)"
mv "$work/current.png" "$work/moved.png"
for part in "strip 8 105 361 40" "graph 8 14 361 76" "diagram 8 144 361 264"; do
    set -- $part
    [ "$(region moved "$2" "$3" "$4" "$5")" != "$(region start "$2" "$3" "$4" "$5")" ] ||
        fail "the $1 did not follow the scroll bar"
done
for part in "caption 190 0 80 13" "scale 0 90 420 15" "bar 439 159 169 21"; do
    set -- $part
    [ "$(region moved "$2" "$3" "$4" "$5")" = "$(region start "$2" "$3" "$4" "$5")" ] ||
        fail "the $1 changed, but only a full repaint draws it"
done

# "Koniec" is the first item of the menu bar.
xdotool mousemove $((cx + 20)) "$menu_y" click 1
wait_for_exit 1 "Koniec"

# --- Second run: the close box.
start_program
wait_for_centre 7A00FF
"$send_close_request" "$wid"
wait_for_exit 0 "close box"
echo "e2e main window: all checks passed"
