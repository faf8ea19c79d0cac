#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on a virtual X screen: it must draw its window, follow a scroll bar moved
# with real X input, end with code 1 through "Koniec" and with code 0 through the close box.
# Usage: main_window_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

falorys=$1
send_close_request=$2

if [ -z "${FALORYS_E2E_DISPLAY_READY:-}" ]; then
    export FALORYS_E2E_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

work=$(mktemp -d)
pid=
finish() {
    local rc=$?
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
    fi
    if [ "$rc" -ne 0 ]; then
        echo "screenshots kept in $work" >&2
    else
        rm -rf "$work"
    fi
}
trap finish EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

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

# Colour of client pixel (x, y) in a shot, as RRGGBB.
pixel() {
    convert "$work/$1.png" -format "%[hex:u.p{$2,$3}]" info:
}

# Fingerprint of a client rectangle (x y width height) in a shot.
region() {
    convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage rgb:- | md5sum | cut -d' ' -f1
}

expect_pixel() { # shot x y RRGGBB what
    local got
    got=$(pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] || fail "$5: pixel ($2, $3) is $got, expected $4"
}

# Waits until the strip's centre shows the colour $1 (the window has painted).
wait_for_centre() {
    for _ in $(seq 100); do
        shoot current
        [ "$(pixel current 188 110)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "the strip's centre never became $1 (last $(pixel current 188 110))"
}

wait_for_exit() { # expected code, what
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "$2: the program is still running"
    local rc=0
    wait "$pid" || rc=$?
    pid=
    [ "$rc" -eq "$1" ] || fail "$2: exit code $rc, expected $1"
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
sleep 0.3
shoot step
[ "$(region step 8 105 361 40)" != "$(region start 8 105 361 40)" ] || fail "strip ignored the click"
# The click gave suwak1 the keyboard focus: End takes it to 760 nm.
xdotool key End
sleep 0.5
shoot moved
[ "$(pixel moved 188 110)" != "$(pixel step 188 110)" ] || fail "End did not move suwak1"
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
