#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Presentation size on a FALORYS_E2E_SCREEN screen: --scale fit takes the largest size that fits
# (1x on 1024x768, 2x on 1920x1080, 4x on 2800x2000); Ctrl+Plus starts the program again one
# size larger with its setting and place, up to what fits, in sharp blocks; Ctrl+0 back to 1x.
# On the large screen at 3x the menus, the save dialog and the scroll bars' arrows are three
# times their 1x size. Usage: presentation_e2e.sh FALORYS
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"

falorys=$1
read -r screen_w screen_h <<<"$(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')"
fits=1
for f in 2 3 4; do
    [ $((632 * f)) -le "$screen_w" ] && [ $((460 * f)) -le $((screen_h - 48)) ] && fits=$f
done
export HOME=$work # the file dialog keeps its state in the user's settings

# The program's window, whichever process shows it now: sets wid and pid. A search fails now
# and then while the old process's windows go: it is tried again.
find_window() {
    for _ in $(seq 100); do
        wid=$(xdotool search --onlyvisible --name "$title" 2>/dev/null |
            head -n 1) && [ -n "$wid" ] && pid=$(xdotool getwindowpid "$wid" 2>/dev/null) &&
            return 0
        sleep 0.1
    done
    fail "$1: no main window"
}
wait_for_scale() { # factor what: sets scale, cx, cy and menu_y for it
    local WINDOW X Y WIDTH HEIGHT SCREEN
    for _ in $(seq 50); do
        find_window "$2"
        eval "$(xdotool getwindowgeometry --shell "$wid")"
        [ "$WIDTH" -eq $((632 * $1)) ] && break
        sleep 0.1
    done
    [ "$WIDTH" -eq $((632 * $1)) ] && [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] &&
        [ $((X + WIDTH)) -le "$screen_w" ] && [ $((Y + HEIGHT)) -le "$screen_h" ] ||
        fail "$2: window at $X,$Y, $WIDTH x $HEIGHT, expected $1 x 632 wide, on the screen"
    scale=$1 cx=$X cy=$((Y + HEIGHT - 434 * $1)) menu_y=$((Y + (HEIGHT - 434 * $1) / 2))
    centre="$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
    sleep 0.5
}
# A key on the main window; a new size ends this process (exit code 0) for a new one.
zoom_key() { # key factor what
    local old=$pid
    xdotool windowfocus --sync "$wid" key "$1"
    if [ "$2" -ne "$scale" ]; then
        for _ in $(seq 100); do kill -0 "$old" 2>/dev/null || break; sleep 0.1; done
        kill -0 "$old" 2>/dev/null && fail "$3: the old process is still running"
        [ "$old" != "$started" ] || { wait "$old" || fail "$3: the old process failed"; }
    fi
    wait_for_scale "$2" "$3"
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
popup() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$wid" | head -n 1; }
# Clicks button $3 at ($1, $2) until a window of the program's own opens (a menu, a dialog), up
# to three times: a click that lands while the last popup is still closing is lost. Prints
# that window's width and height as "W H".
popup_size() { # x y button what
    local p=
    for _ in 1 2 3; do
        xdotool mousemove "$1" "$2" click "$3"
        for _ in $(seq 30); do p=$(popup) && [ -n "$p" ] && break; sleep 0.1; done
        [ -n "$p" ] && break
    done
    [ -n "$p" ] || fail "$4 did not open"
    sleep 0.3
    geometry "$p"
    echo "$WIDTH $HEIGHT"
}
close_popup() {
    xdotool key Escape
    for _ in $(seq 50); do [ -z "$(popup)" ] && return 0; sleep 0.1; done
    fail "Escape left a window open"
}
# The sizes at this scale of: the context menu, the Pomoc menu, the save dialog, and the width of
# the dark arrow on suwak1's left button.
measure() {
    echo "context $(popup_size $((cx + 188 * scale)) $((cy + 120 * scale)) 3 'the context menu')"
    local X Y WIDTH HEIGHT dialog
    geometry "$(popup)"
    xdotool mousemove $((X + 20 * scale)) $((Y + HEIGHT / 2)) click 1
    dialog=$(window_named "$save_title") || fail "\"$save_title…\" opened no dialog"
    sleep 0.5
    geometry "$dialog"
    echo "dialog $WIDTH $HEIGHT"
    # Escape once the dialog has the keyboard; gone only when three searches in a row miss it
    # (a search can fail while another window is being destroyed).
    local misses=0
    for _ in $(seq 30); do
        if xdotool search --onlyvisible --name "^$save_title\$" >/dev/null 2>&1; then
            misses=0
            xdotool windowfocus --sync "$dialog" key Escape 2>/dev/null || true
        else
            misses=$((misses + 1))
            [ "$misses" -lt 3 ] || break
        fi
        sleep 0.3
    done
    [ "$misses" -ge 3 ] || fail "Escape left the save dialog open"
    import -window root "$work/menu.png"
    find_help_menu menu
    echo "pomoc $(popup_size "$pomoc_x" "$menu_y" 1 'the Pomoc menu')"
    close_popup
    shoot_client bar
    local arrow
    arrow=$(convert "$work/bar.png" -crop "$((17 * scale))x$((17 * scale))+$((440 * scale))+$((181 * scale))" \
        +repage -colorspace gray -threshold 40% -negate -trim -format '%w' info:)
    echo "arrow $arrow 1"
}
# Each size at 3x three times its size at 1x, give or take 6 % or 3 pixels (text and arrows
# are drawn afresh at each size, not magnified).
compare_sizes() { # one three
    paste <(echo "$1") <(echo "$2") | while read -r what w1 h1 _ w3 h3; do
        for pair in "$w1 $w3" "$h1 $h3"; do
            read -r a b <<<"$pair"
            local off=$((b - 3 * a)) slack=$((18 * a / 100 > 3 ? 18 * a / 100 : 3))
            [ "${off#-}" -le "$slack" ] || fail "$what at 3x is $w3 x $h3, at 1x $w1 x $h1"
        done
    done
}

program_args=(--scale fit)
scale=$fits
start_program
started=$pid
wait_for_scale "$fits" "--scale fit"
xdotool mousemove $((cx + 20 * scale)) "$menu_y" click 1
wait_for_exit 1 "Koniec"

# --- 1x at 381 nm and "a <<", then Ctrl+Plus twice, stopping at what fits; in English, which
# each new process keeps.
program_args=(--lang en)
title='^Falorys \(two slits\)$' save_title='Save picture'
scale=1
start_program
started=$pid
xdotool mousemove $((cx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
xdotool mousemove $((cx + 460)) $((cy + 75)) click 1
wait_for_centre not 7A00FF
shoot_pictures one
[ "$fits" -lt 3 ] || one_x=$(measure)
zoom_key ctrl+plus $((fits < 2 ? 1 : 2)) "Ctrl+Plus"
first_centre=$centre
zoom_key ctrl+plus $((fits < 3 ? fits : 3)) "Ctrl+Plus twice"
read -r x1 y1 x2 y2 <<<"$first_centre $centre"
[ "$scale" -eq 1 ] || { [ $(((x2 - x1) ** 2 + (y2 - y1) ** 2)) -le 9 ] ||
    fail "the window's centre moved from $first_centre to $centre"; }
shoot_pictures two
[ "$(md5 "$work/two-pictures.png" -sample '361x394!')" = "$(md5 "$work/one-pictures.png")" ] ||
    fail "at ${scale}x the setting or the pictures changed"
[ "$(md5 "$work/two-pictures.png" -sample '361x394!' -sample "$((100 * scale))%")" = \
    "$(md5 "$work/two-pictures.png")" ] || fail "at ${scale}x the pixels are not sharp blocks"

if [ "$scale" -eq 3 ]; then
    compare_sizes "$one_x" "$(measure)"
fi
zoom_key ctrl+0 1 "Ctrl+0"
shoot_pictures back
[ "$(region back 0 0 632 434)" = "$(region one 0 0 632 434)" ] ||
    fail "back at 1x the window is not what it was"
kill "$pid"
echo "e2e presentation on ${screen_w}x$screen_h: all checks passed"
