#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program started at a chosen setting on a virtual X screen: its client area must be
# the exported picture, controls included, and the client area's context menu must open under
# the right button, the Menu key and Shift+F10, and save that picture through the file dialog
# with real X input.
# Usage: context_menu_e2e.sh FALORYS
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"

falorys=$1
program_args=(--lambda 650 --d 0,030 --L 1.80 --a 5000)

# Polls the shell test $1 for up to 5 s.
within_5s() {
    for _ in $(seq 50); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}
menu_open() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$wid" | head -n 1; }
opened_by() { within_5s '[ -n "$(menu_open)" ]' || fail "$1 opened no menu"; }
close_menu() { xdotool key Escape; within_5s '[ -z "$(menu_open)" ]' || fail "Escape left the menu"; }

"$falorys" "${program_args[@]}" --export-png "$work/export.png" || fail "the export failed"
start_program
# Pixels that differ between two pictures of the client area.
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
within_5s 'shoot_client start; [ "$(differing start export)" = 0 ]' ||
    fail "the window's client area is not the exported picture: $(differing start export) pixels differ"

xdotool mousemove $((cx + 188)) $((cy + 120)) click 3
opened_by "the right button"
import -window root "$work/menu.png"
geometry "$(menu_open)"
[ "$X,$Y" = "$((cx + 188)),$((cy + 120))" ] || fail "the menu opened at ($X, $Y), not at the pointer"
close_menu

# From the keyboard, the focus on a scroll bar after a click on its arrow (one step of suwak1).
xdotool mousemove $((cx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
xdotool key Menu
opened_by "the Menu key"
close_menu
xdotool key shift+F10
opened_by "Shift+F10"

# "Zapisz obraz…", the second of three items, and a name typed into the dialog.
geometry "$(menu_open)"
xdotool mousemove $((X + 20)) $((Y + HEIGHT / 2)) click 1
dialog=$(window_named 'Zapisz obraz') || fail "\"Zapisz obraz…\" did not open its file dialog"
within_5s '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ]' || true
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 "$work/saved.png"
xdotool key Return
within_5s '[ -s "$work/saved.png" ]' || fail "the picture was not saved"
# The saved picture is the export's at the window's present setting, one step of suwak1 on, and
# the client area as the screen shows it once the window has no keyboard focus and no pointer
# over it to draw: saving leaves both to the window as they were.
"$falorys" --lambda 651 --d 0,030 --L 1.80 --a 5000 --export-png "$work/export651.png" ||
    fail "the second export failed"
[ "$(differing saved export651)" = 0 ] ||
    fail "the saved picture is not the export: $(differing saved export651) pixels differ"
# The pointer goes back over the arrow clicked before and then leaves the window: the arrow
# kept its hover through the menu and the file dialog, which took the pointer's moves.
xdotool mousemove $((cx + 440 + 168 - 6)) $((cy + 181 + 8)) sleep 0.3 mousemove 0 0
xdotool windowfocus "$(xwininfo -root | awk '/Window id/ { print $4 }')"
within_5s 'shoot_client after; [ "$(differing saved after)" = 0 ]' ||
    fail "the saved picture differs from the window's client area in $(differing saved after) pixels"
echo "e2e context menu: all checks passed"
