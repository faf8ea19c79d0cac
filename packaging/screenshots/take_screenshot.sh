#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the AppStream screenshot of the main window from the real program on a virtual X screen,
# cropped to the window, under Polish regional settings. Needs xvfb, xdotool and ImageMagick.
# Usage: take_screenshot.sh FALORYS   (e.g. build/default/app/falorys)
set -euo pipefail

if [ -z "${FALORYS_SCREENSHOT_DISPLAY:-}" ]; then
    export FALORYS_SCREENSHOT_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

falorys=$(realpath "$1")
out=$(dirname "$(realpath "$0")")/main-window.png
export QT_QPA_PLATFORM=xcb LANG=pl_PL.UTF-8 LC_ALL=pl_PL.UTF-8
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

"$falorys" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Falorys \(dwie szczeliny\)$' |
    head -n 1)
sleep 2 # the first paint
eval "$(xdotool getwindowgeometry --shell "$wid")"
import -window root png:- | convert png:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "$out: $WIDTH x $HEIGHT"
