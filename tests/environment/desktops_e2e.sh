#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program on unusual desktops: a dark colour scheme (KDE's, read by Qt from kdeglobals), a
# light scheme of other colours, fractional scale factors, right-to-left layout, a scale factor
# too large for the screen, and no display at all.
# Usage: desktops_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/../e2e/e2e_common.sh"

falorys=$1
send_close_request=$2

# A KDE colour scheme: window (face) background, then window text, as "R,G,B".
scheme() { # name face text
    mkdir -p "$work/$1"
    cat >"$work/$1/kdeglobals" <<SCHEME
[Colors:Window]
BackgroundNormal=$2
ForegroundNormal=$3
[Colors:View]
BackgroundNormal=$2
ForegroundNormal=$3
[Colors:Button]
BackgroundNormal=$2
ForegroundNormal=$3
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
SCHEME
}
on_kde() { # name: the prefix that runs the program under that scheme
    echo env XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$work/$1"
}

# Contrast ratio (WCAG) between the commonest colour of a rectangle and the colour most unlike it.
contrast() { # shot x y width height
    convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage -format %c histogram:info:- | awk '
        function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        {
            s = $0; sub(/^[^(]*\(/, "", s); sub(/\).*/, "", s); gsub(/ /, "", s); split(s, c, ",")
            lum[NR] = 0.2126 * lin(c[1]) + 0.7152 * lin(c[2]) + 0.0722 * lin(c[3])
            if ($1 + 0 > most) { most = $1 + 0; bg = lum[NR] }
        }
        END {
            for (i in lum) {
                hi = lum[i] > bg ? lum[i] : bg; lo = lum[i] > bg ? bg : lum[i]
                if ((hi + 0.05) / (lo + 0.05) > best) best = (hi + 0.05) / (lo + 0.05)
            }
            printf "%.1f\n", best
        }'
}
at_least() { # value minimum what
    awk -v v="$1" -v m="$2" 'BEGIN { exit !(v >= m) }' || fail "$3: contrast $1 : 1, below $2 : 1"
}

# One run: the client area, the Description window's text box and the About window's notice,
# as $work/NAME-client.png, NAME-text.png and NAME-notice.png.
shoot_windows() { # name [prefix...]
    local name=$1 w
    shift
    start_program "$@"
    wait_for_centre 7A00FF
    cp "$work/current.png" "$work/$name-client.png"
    import -window root "$work/$name-screen.png"
    find_help_menu "$name-screen"
    open_help_item 1
    w=$(window_named 'Opis programu') || fail "$name: Opis programu did not open"
    sleep 0.5
    import -window root "$work/shot.png"
    geometry "$w"
    convert "$work/shot.png" -crop "353x204+$((X + 60))+$((Y + 53))" +repage "$work/$name-text.png"
    "$send_close_request" "$w"
    wait_until_gone 'Opis programu' "$name: close box"
    open_help_item 2
    w=$(window_named 'O programie') || fail "$name: O programie did not open"
    sleep 0.5
    import -window root "$work/shot.png"
    geometry "$w"
    convert "$work/shot.png" -crop "309x147+$((X + 79))+$((Y + 80))" +repage "$work/$name-notice.png"
    "$send_close_request" "$w"
    wait_until_gone 'O programie' "$name: close box"
    xdotool mousemove $((cx + 20)) "$menu_y" click 1
    wait_for_exit 1 "$name: Koniec"
}
same() { # picture-a picture-b what
    [ "$(convert "$work/$1.png" rgb:- | md5sum)" = "$(convert "$work/$2.png" rgb:- | md5sum)" ] ||
        fail "$3"
}

# --- Colour schemes. A light one of other colours is followed (which also shows that Qt reads
# the file); a dark one gives way to a light palette: every pixel as under the default scheme.
shoot_windows plain
scheme bluish 200,220,255 0,0,64
start_program $(on_kde bluish)
wait_for_centre 7A00FF
expect_pixel current 620 2 C8DCFF "the face colour of a light scheme"
xdotool mousemove $((cx + 20)) "$menu_y" click 1
wait_for_exit 1 "bluish: Koniec"
scheme dark 49,54,59 239,240,241
shoot_windows dark $(on_kde dark)
for part in client text notice; do
    same "plain-$part" "dark-$part" "under a dark scheme the $part differs from the light one"
done
at_least "$(contrast dark-notice 2 2 305 143)" 4.5 "About notice"
at_least "$(contrast dark-client 333 228 18 18)" 4.5 "the diagram's L"
at_least "$(contrast dark-client 228 318 18 14)" 4.5 "the diagram's d"

# --- Fractional factors become whole ones: 1.25 gives 1x, 1.5 gives sharp 2 x 2 blocks.
start_program env QT_SCREEN_SCALE_FACTORS=1.25
wait_for_centre 7A00FF
same plain-client current "at QT_SCREEN_SCALE_FACTORS=1.25 the client area is not the 1x one"
xdotool mousemove $((cx + 20)) "$menu_y" click 1
wait_for_exit 1 "1.25: Koniec"
scale=2
program_stderr=/dev/null
start_program env QT_SCALE_FACTOR=1.5
sleep 1
shoot_client blocks
convert "$work/blocks.png" -crop 722x788+16+28 +repage "$work/pictures.png"
convert "$work/pictures.png" -sample 50% -sample 200% "$work/resampled.png"
same pictures resampled "at QT_SCALE_FACTOR=1.5 the pictures are not sharp 2 x 2 blocks"
kill "$pid"
wait "$pid" || true

# --- A window twice the size of a 1024 x 768 screen keeps its top-left corner on it.
start_program env QT_SCALE_FACTOR=2
geometry "$wid"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] || fail "at scale 2 the window's corner is at $X,$Y"
kill "$pid"
wait "$pid" || true
scale=1
unset program_stderr

# --- Right to left asked for: the same window.
program_args=(-reverse)
start_program
wait_for_centre 7A00FF
same plain-client current "with -reverse the client area differs"
xdotool mousemove $((cx + 20)) "$menu_y" click 1
wait_for_exit 1 "-reverse: Koniec"
program_args=()

# --- No display: one line saying what is missing, code 1, no abort and no core.
cd "$work"
ulimit -c unlimited
for display in "" ":$((500 + $$ % 400))"; do
    rc=0
    env -u WAYLAND_DISPLAY DISPLAY="$display" "$falorys" 2>"$work/stderr" || rc=$?
    [ "$rc" -eq 1 ] || fail "DISPLAY='$display': exit code $rc, expected 1"
    [ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -q DISPLAY "$work/stderr" ||
        fail "DISPLAY='$display': stderr says: $(cat "$work/stderr")"
    ! ls core* >/dev/null 2>&1 || fail "DISPLAY='$display': a core file"
done
echo "desktops: all checks passed"
