#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program unpacked from the Debian package starts on a virtual X screen, shows its window
# with the start picture, and ends with code 0 when the window is asked to close.
# Usage: packaged_program_test.sh ROOT SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/../e2e/e2e_common.sh"

falorys=$1/usr/bin/falorys
send_close_request=$2
[ -x "$falorys" ] || fail "no packaged program at $falorys"

"$falorys" &
pid=$!
wid=$(timeout 60 xdotool search --sync --onlyvisible --name '^Falorys \(dwie szczeliny\)$' |
    head -n 1) || fail "the packaged program showed no window"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" -eq 632 ] || fail "window width $WIDTH, expected 632"

# The strip's centre, in the client area below the menu bar, is the colour of 380 nm.
cx=$((X + 188))
cy=$((Y + HEIGHT - 434 + 110))
for _ in $(seq 100); do
    import -window root "$work/screen.png"
    [ "$(pixel screen "$cx" "$cy")" = 7A00FF ] && break
    sleep 0.1
done
expect_pixel screen "$cx" "$cy" 7A00FF "centre of the strip at the start"

"$send_close_request" "$wid"
wait_for_exit 0 "close request"
echo "packaged program: window shown and closed"
