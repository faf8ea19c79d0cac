#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Wine session the Windows tests run in:   wine_session.sh start|stop SESSION
# start: a fresh Wine prefix in SESSION (the fonts a Windows has, as their metric twins: Wine
# has no Arial, Times New Roman nor Courier New; the Linux build's face colour), a virtual X
# screen, and a Wine server kept running; SESSION/environment says how to reach them.
# stop: ends the server and the screen.
set -euo pipefail
action=$1
session=$(realpath -m "$2")

stop() {
    if [ -f "$session/environment" ]; then
        source "$session/environment"
        wineserver -k >/dev/null 2>&1 || true
        [ -f "$session/xvfb.pid" ] && kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
        rm -f "$session/environment" "$session/xvfb.pid"
    fi
}

case $action in
stop)
    stop
    exit 0
    ;;
start) stop ;;
*)
    echo "usage: wine_session.sh start|stop SESSION" >&2
    exit 2
    ;;
esac

rm -rf "$session"
mkdir -p "$session"
# The screen: Xvfb says which free display it took. Its output goes to a file, never to the
# caller's pipes, so that CTest does not wait for them to close.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$session/display" \
    >"$session/xvfb.log" 2>&1 </dev/null &
echo $! >"$session/xvfb.pid"
display=
for _ in $(seq 200); do
    display=$(cat "$session/display")
    [ -n "$display" ] && break
    sleep 0.1
done
[ -n "$display" ] || { echo "the virtual X screen did not start" >&2; exit 1; }

cat >"$session/environment" <<ENVIRONMENT
export WINEPREFIX="$session/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono and no Gecko: the tests need neither, and their installers would wait for a click.
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=:$display
ENVIRONMENT
source "$session/environment"

{
    mkdir -p "$WINEPREFIX"
    wineserver -p
    wine wineboot -i
    wine regedit "$(dirname "$0")/test_prefix.reg"
    # The system colours are read as the desktop starts: start it again, here, where its output
    # goes to the log. Started by the first test instead, it would keep that test's output open,
    # and CTest would wait for it to close.
    wineserver -k
    wineserver -w
    wineserver -p
    wine wineboot
} >"$session/wine.log" 2>&1 </dev/null
echo "Wine session on display :$display, prefix $WINEPREFIX"
