#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Presentation size on a FALORYS_E2E_SCREEN screen: --scale fit and Ctrl+Plus give 2x on 1920x1080,
# 1x on 1024x768, on the screen; at 2x sharp 2 x 2 blocks, a 2x About window; Ctrl+0 back to 1x.
# Usage: presentation_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"

falorys=$1
send_close_request=$2
read -r screen_w screen_h <<<"$(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')"
fits=$((screen_w >= 1264 ? 2 : 1))

wait_for_scale() { # factor what: sets scale, cx, cy and menu_y for it
    local WINDOW X Y WIDTH HEIGHT SCREEN
    for _ in $(seq 50); do
        eval "$(xdotool getwindowgeometry --shell "$wid")"
        [ "$WIDTH" -eq $((632 * $1)) ] && break
        sleep 0.1
    done
    [ "$WIDTH" -eq $((632 * $1)) ] && [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] &&
        [ $((X + WIDTH)) -le "$screen_w" ] && [ $((Y + HEIGHT)) -le "$screen_h" ] ||
        fail "$2: window at $X,$Y, $WIDTH x $HEIGHT, expected $1 x 632 wide, on the screen"
    scale=$1 cx=$X cy=$((Y + HEIGHT - 434 * $1)) menu_y=$((Y + (HEIGHT - 434 * $1) / 2))
    sleep 0.5
}
# The strip, the graph and the diagram, where no control lies, as $work/NAME-pictures.png.
shoot_pictures() { # name
    xdotool mousemove $((screen_w - 1)) $((screen_h - 1)) sleep 0.3 # hovering nothing
    shoot_client "$1"
    local s=$scale
    convert "$work/$1.png" -crop "$((361 * s))x$((394 * s))+$((8 * s))+$((14 * s))" +repage \
        "$work/$1-pictures.png"
}
md5() { convert "$@" rgb:- | md5sum; }

program_args=(--scale fit)
scale=$fits
start_program
wait_for_scale "$fits" "--scale fit"
xdotool mousemove $((cx + 20)) "$menu_y" click 1
wait_for_exit 1 "Koniec"

# --- 1x at 381 nm and "a <<", then Ctrl+Plus twice.
program_args=()
scale=1
start_program
xdotool mousemove $((cx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
xdotool mousemove $((cx + 460)) $((cy + 75)) click 1
wait_for_centre not 7A00FF
shoot_pictures one
xdotool key ctrl+plus sleep 0.3 key ctrl+plus
wait_for_scale "$fits" "Ctrl+Plus twice"
shoot_pictures two
[ "$(md5 "$work/two-pictures.png" -sample "$((100 / scale))%")" = \
    "$(md5 "$work/one-pictures.png")" ] || fail "at ${scale}x the pictures are not those of 1x"
[ "$(md5 "$work/two-pictures.png" -sample "$((100 / scale))%" -sample "$((100 * scale))%")" = \
    "$(md5 "$work/two-pictures.png")" ] || fail "at ${scale}x the pixels are not sharp blocks"

if [ "$scale" -eq 2 ]; then
    import -window root "$work/menu.png"
    find_help_menu menu
    open_help_item 2
    about=$(window_named 'O programie') || fail "O programie did not open"
    geometry "$about"
    [ "$WIDTH" -eq 792 ] && [ "$HEIGHT" -eq 530 ] || fail "About window at 2x is $WIDTH x $HEIGHT"
    "$send_close_request" "$about"
    wait_until_gone 'O programie' "close box"
    # The keyboard back to the main window, as a window manager would give it.
    xdotool windowfocus --sync "$wid" key ctrl+0
    wait_for_scale 1 "Ctrl+0"
    shoot_pictures back
    [ "$(region back 0 0 632 434)" = "$(region one 0 0 632 434)" ] ||
        fail "back at 1x the window is not what it was"
fi
xdotool mousemove $((cx + 20)) "$menu_y" click 1
wait_for_exit 1 "Koniec"
echo "e2e presentation on ${screen_w}x$screen_h: all checks passed"
