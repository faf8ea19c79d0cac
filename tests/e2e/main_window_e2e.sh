#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on a virtual X screen: it must draw its window, follow a scroll bar moved
# with real X input, end with code 1 through "Koniec" and with code 0 through the close box.
# Usage: main_window_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"

falorys=$1
send_close_request=$2

# Client area of the window on the screen: without a window manager there is no frame, and the
# menu bar sits above the 632 x 434 client area.
cx=0
cy=0
start_program() {
    "$falorys" &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Falorys \(dwie szczeliny\)$' |
        head -n 1) || fail "the main window did not appear"
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "$WIDTH" -eq 632 ] || fail "window width $WIDTH, expected 632"
    [ "$HEIGHT" -gt 434 ] || fail "window height $HEIGHT leaves no room for the menu bar"
    cx=$X
    cy=$((Y + HEIGHT - 434))
    menu_y=$((Y + (HEIGHT - 434) / 2))
}

# A screenshot of the client area alone, in $work/$1.png.
shoot() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "632x434+$cx+$cy" +repage "$work/$1.png"
}

# Waits up to 10 s until the strip's centre is (or, with "not", is no longer) the colour $1,
# and leaves that screenshot as $work/current.png.
wait_for_centre() { # [not] RRGGBB
    local negate=
    if [ "$1" = not ]; then
        negate=1
        shift
    fi
    for _ in $(seq 100); do
        shoot current
        if [ "$(pixel current 188 110)" = "$1" ]; then
            [ -z "$negate" ] && return 0
        else
            [ -n "$negate" ] && return 0
        fi
        sleep 0.1
    done
    fail "the strip's centre stayed $(pixel current 188 110) (expected ${negate:+not }$1)"
}

# --- First run: the start picture, a scroll bar moved by the mouse and the keyboard, Koniec.
start_program
wait_for_centre 7A00FF
shoot start

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
