#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program started at a chosen setting on a virtual X screen: its strip must be the
# exported picture's, and the client area's context menu must open under the right button, the
# Menu key and Shift+F10, and save the picture through the file dialog with real X input.
# Usage: context_menu_e2e.sh FALORYS
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"

falorys=$1
program_args=(--lambda 650 --d 0,030 --L 1.80 --a 5000)

"$falorys" "${program_args[@]}" --export-png "$work/export.png" || fail "the export failed"
start_program
for _ in $(seq 50); do
    shoot_client start
    [ "$(region start 8 105 361 39)" = "$(region export 8 105 361 39)" ] && break
    sleep 0.1
done
[ "$(region start 8 105 361 39)" = "$(region export 8 105 361 39)" ] ||
    fail "the window's strip is not the exported one at the same setting"

# The popup window of the context menu: waits for it and sets popup.
wait_for_menu() { # how it was opened
    popup=
    for _ in $(seq 50); do
        popup=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$wid" | head -n 1) &&
            [ -n "$popup" ] && return 0
        sleep 0.1
    done
    fail "the context menu did not open by $1"
}
close_menu() {
    xdotool key Escape
    for _ in $(seq 50); do
        xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qvx "$wid" || return 0
        sleep 0.1
    done
    fail "Escape did not close the context menu"
}

xdotool mousemove $((cx + 188)) $((cy + 120)) click 3
wait_for_menu "the right button"
import -window root "$work/menu.png"
geometry "$popup"
[ "$X" -eq $((cx + 188)) ] && [ "$Y" -eq $((cy + 120)) ] ||
    fail "the menu opened at ($X, $Y), not under the pointer"
close_menu

# The keyboard: the focus is on a scroll bar after a click on its arrow.
xdotool mousemove $((cx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
xdotool key Menu
wait_for_menu "the Menu key"
close_menu
xdotool key shift+F10
wait_for_menu "Shift+F10"

# "Zapisz obraz…", the second item, and a name typed into the dialog.
xdotool key Down Down Return
dialog=$(window_named 'Zapisz obraz') || fail "\"Zapisz obraz…\" did not open its file dialog"
for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ] && break
    sleep 0.1
done
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 "$work/saved.png"
xdotool key Return
for _ in $(seq 50); do
    [ -s "$work/saved.png" ] && break
    sleep 0.1
done
[ -s "$work/saved.png" ] || fail "the picture was not saved"
shoot_client after
# The saved picture is the client image: the strip, graph and diagram as the screen shows them
# (the controls are widgets of their own, drawn over the image only on the screen). The click on
# suwak1 moved the setting one step on from the exported one.
[ "$(region saved 8 14 361 394)" = "$(region after 8 14 361 394)" ] ||
    fail "the saved picture differs from the window's client area"
[ "$(region saved 8 105 361 39)" != "$(region export 8 105 361 39)" ] ||
    fail "the saved picture is not at the window's present setting"
echo "e2e context menu: all checks passed"
