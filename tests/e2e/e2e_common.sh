# SPDX-License-Identifier: MIT
# Shared by the end-to-end scripts; source it first, before touching the arguments:
#   source "$(dirname "$0")/e2e_common.sh"
# It runs the calling script again on a virtual X screen of its own, sets up the program's
# environment and a scratch folder $work (kept, with its screenshots, when the script fails),
# and ends the program started as $pid should the script stop early.

if [ -z "${FALORYS_E2E_DISPLAY_READY:-}" ]; then
    export FALORYS_E2E_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
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
