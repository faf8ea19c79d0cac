#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Description window's link label on a system that cannot open web pages: first with no
# opener or browser anywhere on PATH, then with a desktop opener that fails. The click must do
# nothing visible: the window stays, still answers, closes by "OK", and the program ends normally.
# Usage: no_browser_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/../e2e/e2e_common.sh"

falorys=$1
send_close_request=$2

# Qt also looks for a browser named by these.
unset BROWSER DEFAULT_BROWSER

mkdir -p "$work/nothing" "$work/failing"
cat >"$work/failing/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$@" >>"$work/asked"
echo "xdg-open: no method available for opening '\$1'" >&2
exit 3
SCRIPT
chmod +x "$work/failing/xdg-open"

click_link_with_path() { # PATH for the program, what
    program_stderr=$work/stderr
    start_program env PATH="$1"
    sleep 0.5
    import -window root "$work/start.png"
    find_help_menu start
    open_help_item 1
    local desc
    desc=$(window_named 'Opis programu') || fail "$2: Opis programu did not open"
    sleep 0.5

    read -r lx ly <<<"$(at "$desc" 30 301)"
    xdotool mousemove "$lx" "$ly" click 1
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "$2: the program ended after the link"
    [ "$(window_named 'Opis programu')" = "$desc" ] ||
        fail "$2: the Description window did not stay after the link"

    read -r ox oy <<<"$(at "$desc" $((199 + 37)) $((284 + 12)))"
    xdotool mousemove "$ox" "$oy" click 1
    wait_until_gone 'Opis programu' "$2: OK after the link"
    "$send_close_request" "$wid"
    wait_for_exit 0 "$2: close box"
}

click_link_with_path "$work/nothing" "no opener on PATH"
click_link_with_path "$work/failing" "a failing opener"
[ "$(cat "$work/asked" 2>/dev/null)" = "https://pl.wikipedia.org/wiki/Dyfrakcja" ] ||
    fail "the failing opener was asked for '$(cat "$work/asked" 2>/dev/null)'"
echo "no browser: all checks passed"
