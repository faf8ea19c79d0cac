#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The About and Description windows of the real program on a virtual X screen, opened through
# the real menu with real X input: they must show their picture and text, block the main
# window while open, close by "OK", by Escape and by the close box (a WM_DELETE_WINDOW message,
# as a window manager sends it), open the link through the desktop's opener (a stand-in
# xdg-open that only writes down what it was asked to open), and leave the main window working.
# Usage: dialogs_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"

falorys=$1
send_close_request=$2

# The desktop opener the program finds first on PATH: it records its arguments and opens nothing.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$@" >>"$work/opened"
SCRIPT
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

shoot() { # name: the whole screen
    import -window root "$work/$1.png"
}

count_colour() { # shot x y width height RRGGBB fuzz% -> pixels of about that colour
    convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage -alpha set -fuzz "$7%" -transparent "#$6" \
        -alpha extract -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}

# --- Start the program and find the "Pomoc" title of its menu bar.
start_program
mx=$cx
sleep 0.5
shoot start
find_help_menu start

strip_before=$(region start "$mx" $((cy + 105)) 361 40)

check_description() { # shot, window
    geometry "$2"
    [ "$WIDTH" -eq 421 ] && [ "$HEIGHT" -eq 317 ] || fail "Description window is $WIDTH x $HEIGHT"
    local top bottom
    top=$(pixel "$1" $((X + 27)) $((Y + 70)))
    bottom=$(pixel "$1" $((X + 27)) $((Y + 270)))
    [ $((16#${top:4:2})) -gt $((16#${bottom:4:2})) ] ||
        fail "side picture: $top at the top is not paler than $bottom below"
    [ "$(count_colour "$1" $((X + 56)) $((Y + 263)) 47 14 FF0000 25)" -ge 15 ] ||
        fail "no red Freeware mark"
    [ "$(count_colour "$1" $((X + 288)) $((Y + 17)) 110 30 800000 20)" -ge 60 ] ||
        fail "no maroon LUMENA"
    [ "$(count_colour "$1" $((X + 64)) $((Y + 56)) 330 190 0000FF 35)" -ge 40 ] ||
        fail "no blue phrases in the text"
    [ "$(count_colour "$1" $((X + 64)) $((Y + 56)) 330 190 FFFFFF 0)" -ge 30000 ] ||
        fail "the text box is not white"
}

# --- The Description window through the menu, closed with OK.
open_help_item 1
desc=$(window_named 'Opis programu') || fail "Opis programu did not open"
sleep 0.5
shoot description
check_description description "$desc"
desc_text=$(geometry "$desc"; region description $((X + 62)) $((Y + 55)) 330 190)

# The main window is blocked while the dialog is open: a click on suwak1's arrow must do nothing
# (checked once the dialog has closed and the strip can be seen whole again).
xdotool mousemove $((mx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
sleep 0.3

# The link label opens the address through the desktop's opener, and the window stays.
read -r lx ly <<<"$(at "$desc" 30 301)"
xdotool mousemove "$lx" "$ly" click 1
for _ in $(seq 50); do
    [ -s "$work/opened" ] && break
    sleep 0.1
done
[ "$(cat "$work/opened" 2>/dev/null)" = "https://pl.wikipedia.org/wiki/Dyfrakcja" ] ||
    fail "the link label opened '$(cat "$work/opened" 2>/dev/null)'"
window_named 'Opis programu' >/dev/null || fail "the Description window closed after the link"

read -r ox oy <<<"$(at "$desc" $((199 + 37)) $((284 + 12)))"
xdotool mousemove "$ox" "$oy" click 1
wait_until_gone 'Opis programu' "OK"
sleep 0.5
shoot closed
[ "$(region closed "$mx" $((cy + 105)) 361 40)" = "$strip_before" ] ||
    fail "the main window took input while the Description window was open"

# --- The About window through the menu, closed by its close box.
open_help_item 2
about=$(window_named 'O programie') || fail "O programie did not open"
sleep 0.5
shoot about
geometry "$about"
[ "$WIDTH" -eq 396 ] && [ "$HEIGHT" -eq 265 ] || fail "About window is $WIDTH x $HEIGHT"
[ "$(count_colour about $((X + 79)) $((Y + 244)) 52 16 FF0000 25)" -ge 15 ] ||
    fail "no red Freeware mark in the About window"
[ "$(count_colour about $((X + 293)) $((Y + 44)) 103 30 800000 20)" -ge 60 ] ||
    fail "no maroon LUMENA in the About window"
[ "$(count_colour about $((X + 81)) $((Y + 82)) 305 143 FFFFFF 0)" -ge 30000 ] ||
    fail "the notice is not on white"
[ "$(count_colour about $((X + 81)) $((Y + 82)) 305 143 000000 40)" -ge 300 ] ||
    fail "the notice shows no text"
"$send_close_request" "$about"
wait_until_gone 'O programie' "close box"

# --- The Description window again: the same text, once; Escape closes it.
open_help_item 1
desc=$(window_named 'Opis programu') || fail "Opis programu did not open again"
sleep 0.5
shoot description2
check_description description2 "$desc"
[ "$(geometry "$desc"; region description2 $((X + 62)) $((Y + 55)) 330 190)" = "$desc_text" ] ||
    fail "the second opening shows other text than the first"
read -r px py <<<"$(at "$desc" 20 150)"
xdotool mousemove "$px" "$py" click 1 key Escape
wait_until_gone 'Opis programu' "Escape"

# --- The main window still works: suwak1's arrow moves the strip; Koniec ends with code 1.
xdotool mousemove $((mx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
sleep 0.5
shoot after
[ "$(region after "$mx" $((cy + 105)) 361 40)" != "$strip_before" ] ||
    fail "the strip did not follow suwak1 after the dialogs closed"
xdotool mousemove $((mx + 20)) "$menu_y" click 1
wait_for_exit 1 "Koniec"
echo "e2e dialogs: all checks passed"
