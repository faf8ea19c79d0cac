# SPDX-License-Identifier: MIT
# Shared by the end-to-end scripts; source it first, before touching the arguments:
#   source "$(dirname "$0")/e2e_common.sh"
# It runs the calling script again on a virtual X screen of its own, sets up the program's
# environment and a scratch folder $work (kept, with its screenshots, when the script fails),
# and ends the program started as $pid should the script stop early.

if [ -z "${FALORYS_E2E_DISPLAY_READY:-}" ]; then
    export FALORYS_E2E_DISPLAY_READY=1
    # -noreset: a change of presentation size hands the screen from one process to the next,
    # and a bare X server resets when its last client goes, refusing the next one meanwhile; a
    # desktop always has other clients (its window manager, its panels).
    exec xvfb-run -a -s "-screen 0 ${FALORYS_E2E_SCREEN:-1024x768}x24 -noreset" bash "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
pid=

e2e_finish() {
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
trap e2e_finish EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Colour of pixel (x, y) of the picture $work/NAME.png, as RRGGBB.
pixel() { # name x y
    convert "$work/$1.png" -format "%[hex:u.p{$2,$3}]" info:
}

# Fingerprint of a rectangle of the picture $work/NAME.png.
region() { # name x y width height
    convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage rgb:- | md5sum | cut -d' ' -f1
}

expect_pixel() { # name x y RRGGBB what
    local got
    got=$(pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] || fail "$5: pixel ($2, $3) is $got, expected $4"
}

# Waits up to 10 s for the program $pid to end and checks its exit code.
wait_for_exit() { # expected-code what
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

# --- The main window. Without a window manager there is no frame, and the menu bar sits above
# the 632 x 434 client area, whose top-left corner on the screen is (cx, cy).
cx=0
cy=0

# Starts "$falorys" as $pid, after an optional command prefix (such as `env VAR=value`) and
# with the arguments in the array program_args, and waits for its main window: sets wid, cx, cy
# and menu_y (the row of the menu bar's titles). Its standard error goes to $program_stderr
# when that is set.
program_args=()
# The main window's title, as xdotool searches for it.
title='^Falorys \(dwie szczeliny\)$'
# The presentation size the window is expected at: its client area is 632 x 434 times this.
scale=1
start_program() { # [prefix...]
    if [ -n "${program_stderr:-}" ]; then
        "$@" "$falorys" "${program_args[@]}" 2>>"$program_stderr" &
    else
        "$@" "$falorys" "${program_args[@]}" &
    fi
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" |
        head -n 1) || fail "the main window did not appear"
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "$WIDTH" -eq $((632 * scale)) ] || fail "window width $WIDTH, expected $((632 * scale))"
    [ "$HEIGHT" -gt $((434 * scale)) ] || fail "window height $HEIGHT leaves no room for the menu"
    cx=$X
    cy=$((Y + HEIGHT - 434 * scale))
    menu_y=$((Y + (HEIGHT - 434 * scale) / 2))
}

# A screenshot of the client area alone, in $work/$1.png.
shoot_client() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "$((632 * scale))x$((434 * scale))+$cx+$cy" +repage \
        "$work/$1.png"
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
        shoot_client current
        if [ "$(pixel current 188 110)" = "$1" ]; then
            [ -z "$negate" ] && return 0
        else
            [ -n "$negate" ] && return 0
        fi
        sleep 0.1
    done
    fail "the strip's centre stayed $(pixel current 188 110) (expected ${negate:+not }$1)"
}

# --- Windows on the screen and the "Pomoc" menu.

# Screen position and size of a window: sets X Y WIDTH HEIGHT.
geometry() {
    local WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# The visible top-level window titled exactly $1, waiting for it up to 10 s.
window_named() {
    # A search ends with an X error when a window (a closing menu) goes during it: try again.
    local w
    for _ in $(seq 100); do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$w" ] && echo "$w" && return 0
        sleep 0.1
    done
    return 1
}

wait_until_gone() { # title, what
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "$2: the window \"$1\" is still open"
}

# Client point (x, y) of a window on the screen (no window manager: no frame).
at() { # window x y
    geometry "$1"
    echo "$((X + $2)) $((Y + $3))"
}

# Finds the "Pomoc" title of the main window's menu bar in the screenshot of the whole screen
# $work/$1.png and sets pomoc_x. The titles are runs of columns of the bar that hold dark text
# pixels; "Pomoc" is the second run.
find_help_menu() { # screenshot
    geometry "$wid"
    local columns
    columns=$(convert "$work/$1.png" -crop "$((632 * scale))x$((cy - Y - 4))+$X+$((Y + 2))" \
        +repage -colorspace gray -threshold 50% -negate -scale "$((632 * scale))x1!" \
        -threshold 1% txt:- | awk -F'[,:]' 'NR > 1 && $0 ~ /#FFFFFF|white/ { print $1 }')
    pomoc_x=$(echo "$columns" | awk -v gap=$((6 * scale)) '
        NR == 1 || $1 > last + gap { runs++; if (runs == 2) { first = $1 } }
        runs == 2 { end = $1 }
        { last = $1 }
        END { if (runs >= 2) print int((first + end) / 2) }')
    [ -n "$pomoc_x" ] || fail "cannot find the second title of the menu bar"
    pomoc_x=$((X + pomoc_x))
}

# Opens the item $1 (1 "Opis programu" or 2 "O programie") of "Pomoc" with the mouse.
open_help_item() {
    xdotool mousemove "$pomoc_x" "$menu_y" click 1
    local popup=
    for _ in $(seq 50); do
        popup=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$wid" | head -n 1) &&
            [ -n "$popup" ] && break
        sleep 0.1
    done
    [ -n "$popup" ] || fail "the Pomoc menu did not open"
    geometry "$popup"
    [ "$X" -le "$pomoc_x" ] || fail "the menu opened beside the Pomoc title"
    xdotool mousemove $((X + 20)) $((Y + HEIGHT * (2 * $1 - 1) / 4)) click 1
}
