#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Unusual desktops: KDE colour schemes (light and dark, from kdeglobals), fractional scale
# factors, right to left, a factor too large for the screen, no display at all.
# Usage: desktops_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/../e2e/e2e_common.sh"

falorys=$1
send_close_request=$2

scheme() { # name face-R,G,B text-R,G,B: prints the prefix that runs the program under it
    mkdir -p "$work/$1"
    for group in Window View Button; do
        printf '[Colors:%s]\nBackgroundNormal=%s\nForegroundNormal=%s\n' "$group" "$2" "$3"
    done >"$work/$1/kdeglobals"
    echo env XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$work/$1"
}
# Contrast ratio between the commonest colour of a rectangle and the colour most unlike it.
contrast_at_least() { # minimum what shot x y width height
    convert "$work/$3.png" -crop "$6x$7+$4+$5" +repage -format %c histogram:info:- | awk -v m="$1" '
        function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        { s = $0; sub(/^[^(]*\(/, "", s); sub(/\).*/, "", s); gsub(/ /, "", s); split(s, c, ",")
          l[NR] = 0.2126 * lin(c[1]) + 0.7152 * lin(c[2]) + 0.0722 * lin(c[3]) + 0.05
          if ($1 + 0 > most) { most = $1 + 0; bg = l[NR] } }
        END { for (i in l) { r = l[i] > bg ? l[i] / bg : bg / l[i]; if (r > best) best = r }
              exit !(best >= m) }' || fail "$2: contrast below $1 : 1"
}
same() { # picture-a picture-b what
    [ "$(convert "$work/$1.png" rgb:- | md5sum)" = "$(convert "$work/$2.png" rgb:- | md5sum)" ] ||
        fail "$3"
}
quit() { # what
    xdotool mousemove $((cx + 20)) "$menu_y" click 1
    wait_for_exit 1 "$1: Koniec"
}
# The dialog titled $2, opened as item $1 of "Pomoc", its box at $4 saved as $work/$3.png.
shoot_box() { # item title name geometry
    open_help_item "$1"
    local w
    w=$(window_named "$2") || fail "$2 did not open"
    sleep 0.5
    import -window root "$work/shot.png"
    geometry "$w"
    read -r bx by bw bh <<<"$4"
    convert "$work/shot.png" -crop "${bw}x$bh+$((X + bx))+$((Y + by))" +repage "$work/$3.png"
    "$send_close_request" "$w"
    wait_until_gone "$2" "close box"
}
# The client area, the Description text and the About notice as $work/NAME-*.png.
shoot_windows() { # name [prefix...]
    local name=$1
    shift
    start_program "$@"
    wait_for_centre 7A00FF
    cp "$work/current.png" "$work/$name-client.png"
    import -window root "$work/screen.png"
    find_help_menu screen
    shoot_box 1 'Opis programu' "$name-text" "60 53 353 204"
    shoot_box 2 'O programie' "$name-notice" "79 80 309 147"
    quit "$name"
}

# --- A light scheme is followed; a dark one gives way to a light palette, pixel for pixel.
shoot_windows plain
start_program $(scheme bluish 200,220,255 0,0,64)
wait_for_centre 7A00FF
expect_pixel current 620 2 C8DCFF "the face colour of a light scheme"
quit bluish
shoot_windows dark $(scheme dark 49,54,59 239,240,241)
for part in client text notice; do
    same "plain-$part" "dark-$part" "under a dark scheme the $part differs from the light one"
done
contrast_at_least 4.5 "About notice" dark-notice 2 2 305 143
contrast_at_least 4.5 "the diagram's L" dark-client 333 228 18 18
contrast_at_least 4.5 "the diagram's d" dark-client 228 318 18 14

# --- Fractional factors become whole: 1.25 gives 1x; -reverse is ignored; 1.5 gives 2x, which
# does not fit this 1024 x 768 screen: 1x, with one line, as for --scale 2.
start_program env QT_SCREEN_SCALE_FACTORS=1.25
wait_for_centre 7A00FF
same plain-client current "at QT_SCREEN_SCALE_FACTORS=1.25 the client area is not the 1x one"
quit 1.25
program_args=(-reverse)
start_program
wait_for_centre 7A00FF
same plain-client current "with -reverse the client area differs"
quit -reverse
program_args=()
program_stderr=$work/factor.txt
start_program env QT_SCALE_FACTOR=1.5
wait_for_centre 7A00FF
same plain-client current "at QT_SCALE_FACTOR=1.5 on a small screen the client area is not 1x"
quit 1.5
[ "$(cat "$program_stderr")" = "falorys: rozmiar 2 nie mieści się na ekranie; użyto rozmiaru 1" ] ||
    fail "QT_SCALE_FACTOR=1.5: stderr was: $(cat "$program_stderr")"
# Factors that are no factor at all are replaced by 1, with one line saying so.
scale=1
for factor in 0 -2 nan inf 100; do
    program_stderr=$work/factor.txt
    : >"$program_stderr"
    start_program env QT_SCALE_FACTOR=$factor
    quit "QT_SCALE_FACTOR=$factor"
    [ "$(grep -c "QT_SCALE_FACTOR=„$factor”.*użyto 1" "$program_stderr")" -eq 1 ] &&
        [ "$(wc -l <"$program_stderr")" -eq 1 ] ||
        fail "QT_SCALE_FACTOR=$factor: stderr was: $(cat "$program_stderr")"
done
program_stderr=

# --- No display: one line saying what is missing, code 1, no abort and no core.
cd "$work"
ulimit -c unlimited
for display in "" ":$((500 + $$ % 400))"; do
    rc=0
    env -u WAYLAND_DISPLAY DISPLAY="$display" "$falorys" 2>"$work/stderr" || rc=$?
    [ "$rc" -eq 1 ] && [ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -q DISPLAY "$work/stderr" &&
        ! ls core* >/dev/null 2>&1 || fail "DISPLAY='$display': code $rc, $(cat "$work/stderr")"
done
echo "desktops: all checks passed"
