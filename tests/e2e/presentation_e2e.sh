#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Presentation size with real keys on a virtual screen of FALORYS_E2E_SCREEN pixels (1920x1080
# or 1024x768): Ctrl+Plus doubles the window, each picture pixel a sharp 2 x 2 block, keeping
# the setting; 3x does not fit, so it stays at 2x; the About window opens at 2x; Ctrl+0 goes
# back. --scale fit picks 2 on the large screen and 1 on the small one, the window on screen.
# Usage: presentation_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"

falorys=$1
send_close_request=$2
read -r screen_w screen_h <<<"$(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')"

# Waits for the main window to be $1 times 632 pixels wide and takes up that size.
wait_for_scale() { # factor what
    local WINDOW X Y WIDTH HEIGHT SCREEN
    for _ in $(seq 50); do
        eval "$(xdotool getwindowgeometry --shell "$wid")"
        [ "$WIDTH" -eq $((632 * $1)) ] && break
        sleep 0.1
    done
    [ "$WIDTH" -eq $((632 * $1)) ] || fail "$2: window width $WIDTH, expected $((632 * $1))"
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_w" ] &&
        [ $((Y + HEIGHT)) -le "$screen_h" ] || fail "$2: window at $X,$Y, $WIDTH x $HEIGHT"
    scale=$1
    cx=$X
    cy=$((Y + HEIGHT - 434 * scale))
    menu_y=$((Y + (HEIGHT - 434 * scale) / 2))
    sleep 0.5 # the repaint at the new size
}

# The strip, the graph and the diagram: the part of the client area no control covers.
pictures() { # shot
    convert "$work/$1.png" -crop "$((361 * scale))x$((394 * scale))+$((8 * scale))+$((14 * scale))" \
        +repage "$work/$1-pictures.png"
}

# 2x is 1264 pixels wide: it fits 1920 x 1080, not 1024 x 768; 3x fits neither.
program_args=(--scale fit)
scale=$((screen_w >= 1264 ? 2 : 1))
start_program
if [ "$scale" -eq 1 ]; then
    wait_for_scale 1 "--scale fit on ${screen_w}x$screen_h"
    xdotool key ctrl+plus
    sleep 0.5
    wait_for_scale 1 "Ctrl+Plus where 2x does not fit"
    xdotool mousemove $((cx + 20)) "$menu_y" click 1
    wait_for_exit 1 "Koniec"
    echo "e2e presentation on ${screen_w}x$screen_h: all checks passed"
    exit 0
fi
wait_for_scale 2 "--scale fit on ${screen_w}x$screen_h"
xdotool mousemove $((cx + 20)) "$menu_y" click 1
wait_for_exit 1 "Koniec"

# --- 1x, one step of suwak1 and the option "a <<", then Ctrl+Plus.
program_args=()
scale=1
start_program
xdotool mousemove $((cx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
xdotool mousemove $((cx + 460)) $((cy + 75)) click 1
wait_for_centre not 7A00FF
xdotool mousemove $((screen_w - 1)) $((screen_h - 1)) # hovering nothing
sleep 0.3
shoot_client one
pictures one
xdotool key ctrl+plus
wait_for_scale 2 "Ctrl+Plus"
shoot_client two
pictures two
[ "$(convert "$work/two-pictures.png" -sample 50% rgb:- | md5sum)" = \
    "$(convert "$work/one-pictures.png" rgb:- | md5sum)" ] ||
    fail "at 2x the pictures are not those of 1x at the same setting"
[ "$(convert "$work/two-pictures.png" -sample 50% -sample 200% rgb:- | md5sum)" = \
    "$(convert "$work/two-pictures.png" rgb:- | md5sum)" ] ||
    fail "at 2x the pictures' pixels are not sharp 2 x 2 blocks"

xdotool key ctrl+plus
sleep 0.5
wait_for_scale 2 "Ctrl+Plus where 3x does not fit"

# --- The About window opens at 2x, on the screen.
import -window root "$work/menu.png"
find_help_menu menu
open_help_item 2
about=$(window_named 'O programie') || fail "O programie did not open"
sleep 0.5
geometry "$about"
[ "$WIDTH" -eq 792 ] && [ "$HEIGHT" -eq 530 ] || fail "About window at 2x is $WIDTH x $HEIGHT"
import -window root "$work/about.png"
"$send_close_request" "$about"
wait_until_gone 'O programie' "close box"

# --- Ctrl+0: back to 1x, the same picture. The keyboard goes back to the main window as a
# window manager would give it.
xdotool windowfocus --sync "$wid" key ctrl+0
wait_for_scale 1 "Ctrl+0"
xdotool mousemove $((screen_w - 1)) $((screen_h - 1))
sleep 0.3
shoot_client back
[ "$(region back 0 0 632 434)" = "$(region one 0 0 632 434)" ] ||
    fail "back at 1x the window is not what it was"
xdotool mousemove $((cx + 20)) "$menu_y" click 1
wait_for_exit 1 "Koniec"
echo "e2e presentation on ${screen_w}x$screen_h: all checks passed"
