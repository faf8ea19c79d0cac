#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program under Wine against the Linux build at the same settings: its exports write
# the same picture and data, its window shows the same picture, a bad option ends with code 2
# and writes nothing, a path with Polish letters and spaces works, and the About window shows
# the side picture as recorded (tests/app/side_picture_decoded.png).
# Usage: falorys_e2e.sh FALORYS.EXE LINUX_FALORYS SESSION SIDE_PICTURE.png
set -euo pipefail
exe=$1
linux=$2
source "$3/environment"
side_picture=$4
# Wine's Windows speaks English; the program is held to the Polish Linux one.
windows_falorys=(wine "$exe" --lang pl)
[ -x "$linux" ] || { echo "no Linux build at $linux (scripts/test.sh builds it first)" >&2; exit 1; }

work=$(mktemp -d)
pid=
finish() {
    local rc=$?
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    if [ "$rc" -ne 0 ]; then echo "pictures kept in $work" >&2; else rm -rf "$work"; fi
}
trap finish EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cd "$work"

# Both ends of every range, the narrow-slit option, and a setting between them with decimal
# commas.
settings=(
    ""
    "--lambda 760 --d 0.040 --L 2.00 --a 10000"
    "--lambda 760 --d 0.040 --L 2.00 --a-small"
    "--lambda 380 --d 0.040 --L 1.50 --a 10000"
    "--lambda 589 --d 0,027 --L 1,73 --a 4200"
)

# The text cells of the client image (x y width height): the caption "Natężenie", the scale's
# numbers, "L", "d" (it moves with the slits) and the readouts. Their glyphs are rasterised by
# each system's own font engine (FreeType on Linux, GDI on Windows), from faces of the same
# metrics: the cells agree, the anti-aliased pixels inside them do not.
text_cells=("180 0 90 16" "0 88 420 17" "334 226 16 44" "224 312 34 70" "520 196 112 156")

# The scroll bars, labels and option group, widgets on the client area that each system's style
# draws: the graph, the strip, the diagram and the spectrum bar are compared.
widgets=("420 0 212 159" "420 180 212 254" "420 159 19 21" "608 159 24 21")

# The picture without its text cells (and any further rectangles given), as raw pixels.
outside_text() { # picture.png output [cell...]
    local picture=$1 output=$2 draw=()
    shift 2
    for cell in "${text_cells[@]}" "$@"; do
        read -r x y w h <<<"$cell"
        draw+=(-draw "rectangle $x,$y,$((x + w - 1)),$((y + h - 1))")
    done
    convert "$picture" -alpha off -fill black "${draw[@]}" -depth 8 "rgb:$output"
}

pictures_agree() { # linux.png windows.png [cell...]
    outside_text "$1" a.rgb "${@:3}" && outside_text "$2" b.rgb "${@:3}" && cmp -s a.rgb b.rgb
}

same_picture() { # linux.png windows.png what [cell...]
    pictures_agree "$1" "$2" "${@:4}" || fail "$3: $(compare -metric AE -size 632x434 -depth 8 \
        rgb:a.rgb rgb:b.rgb null: 2>&1) pixels differ outside the text cells"
}

# The same columns and colours; I/I0 the same to within a few units in the last place of a
# double (Windows' C library evaluates cosl and sinl, not glibc).
same_data() { # linux.csv windows.csv what
    [ "$(head -n 1 "$1")" = "$(head -n 1 "$2")" ] || fail "$3: the header differs"
    paste -d, "$1" "$2" | awk -F, -v what="$3" 'NR > 1 {
        if ($1 != $6 || $3 != $8 || $4 != $9 || $5 != $10) { print what ": row " NR " differs"; exit 1 }
        d = $2 - $7; if (d < 0) d = -d
        if (d > 1e-15 * ($2 > $7 ? $2 : $7)) { print what ": I/I0 " $2 " against " $7; exit 1 }
    } END { if (NR != 362) { print what ": " NR " lines"; exit 1 } }' || fail "$3: data"
}

for s in "${settings[@]}"; do
    # shellcheck disable=SC2086 # each setting is a list of options
    "$linux" $s --export-png linux.png --export-csv linux.csv 2>/dev/null
    # shellcheck disable=SC2086
    "${windows_falorys[@]}" $s --export-png windows.png --export-csv windows.csv ||
        fail "export at '$s' failed"
    same_picture linux.png windows.png "export at '$s'" "${widgets[@]}"
    same_data linux.csv windows.csv "export at '$s'"
done

# A bad value or option: code 2, and no file.
for bad in "--lambda 9999" "--scale 0" "--lambda"; do
    rc=0
    # shellcheck disable=SC2086
    "${windows_falorys[@]}" $bad --export-png bad.png --export-csv bad.csv 2>/dev/null || rc=$?
    [ "$rc" -eq 2 ] || fail "'$bad': exit code $rc, expected 2"
    [ ! -e bad.png ] && [ ! -e bad.csv ] || fail "'$bad' wrote a file"
done

# A Windows path with Polish letters and spaces, given as a user types it.
mkdir -p "Łucja/Pulpit z plikami"
folder=$(winepath -w "$work/Łucja/Pulpit z plikami")
"${windows_falorys[@]}" --export-png "$folder\\wzór λ.png" --export-csv "$folder\\dane ąę.csv" ||
    fail "export to a Polish path failed"
"$linux" --export-png linux.png --export-csv linux.csv 2>/dev/null
same_picture linux.png "Łucja/Pulpit z plikami/wzór λ.png" "export to a Polish path" \
    "${widgets[@]}"
same_data linux.csv "Łucja/Pulpit z plikami/dane ąę.csv" "export to a Polish path"

# The window: its title, and its client image as the Linux build draws it, at the start and at
# the far ends. Without a window manager it has no frame: the menu bar, then the client area.
title='^Falorys \(dwie szczeliny\)$'
for s in "" "--lambda 760 --d 0.040 --L 2.00 --a-small"; do
    wid='' X=0 Y=0 WIDTH=0 HEIGHT=0
    # shellcheck disable=SC2086
    "$linux" $s --export-png linux.png 2>/dev/null
    # shellcheck disable=SC2086
    "${windows_falorys[@]}" $s &
    pid=$!
    # It paints once shown, and a busy machine may place or paint it late: its place is asked
    # again each time, for up to 30 s.
    deadline=$((SECONDS + 30))
    until
        wid=$(xdotool search --onlyvisible --name "$title" | tail -n 1) && [ -n "$wid" ] &&
            eval "$(xdotool getwindowgeometry --shell "$wid")" &&
            timeout 10 import -window root screen.png &&
            convert screen.png -crop "632x434+$X+$((Y + HEIGHT - 434))" +repage window.png &&
            pictures_agree linux.png window.png "${widgets[@]}"
    do
        [ "$SECONDS" -lt "$deadline" ] || break
        sleep 0.2
    done
    [ -n "$wid" ] || fail "at '$s' the main window did not appear"
    [ "$WIDTH" -eq 632 ] || fail "window width $WIDTH"
    same_picture linux.png window.png "the window at '$s' (${WIDTH}x$HEIGHT at $X,$Y)" \
        "${widgets[@]}"
    if [ -z "$s" ]; then
        # "O programie", the second item of "Pomoc" (the second title of the menu bar): its side
        # picture on the screen is the recorded decoding, its first 265 rows.
        xdotool mousemove $((X + 72)) $((Y + (HEIGHT - 434) / 2)) click 1
        sleep 0.5
        xdotool key Down Down Return
        about=$(timeout 10 xdotool search --sync --onlyvisible --name '^O programie$' | head -n 1) ||
            fail "the About window did not open"
        sleep 1
        timeout 10 import -window "$about" about.png
        convert about.png -crop 54x265+0+0 +repage -depth 8 rgb:shown.rgb
        convert "$side_picture" -crop 54x265+0+0 +repage -depth 8 rgb:decoded.rgb
        cmp -s shown.rgb decoded.rgb || fail "the About window does not show the side picture"
        xdotool key Return
    fi
    # "Koniec", the first title of the menu bar, ends the program (code 1) and its window goes.
    xdotool mousemove $((X + 20)) $((Y + (HEIGHT - 434) / 2)) click 1
    timeout 20 tail --pid="$pid" -f /dev/null || fail "Koniec did not end the program"
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$title" >/dev/null && sleep 0.2 || break
    done
    rc=0
    wait "$pid" || rc=$?
    pid=
    [ "$rc" -eq 1 ] || fail "Koniec: exit code $rc, expected 1"
done
echo "Windows program under Wine: all checks passed"
