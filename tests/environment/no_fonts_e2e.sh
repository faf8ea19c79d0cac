#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on a system without a single font: fontconfig reads a configuration that
# names no font folder. It must start and paint its window in the faces it carries, pixel for
# pixel as with the system's fonts, take a change, open and close the Description window, and
# end normally by its close box.
# Usage: no_fonts_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/../e2e/e2e_common.sh"

falorys=$1
send_close_request=$2

mkdir -p "$work/empty"
cat >"$work/fonts.conf" <<XML
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
    <cachedir>$work/fontconfig-cache</cachedir>
</fontconfig>
XML
no_fonts=(env FONTCONFIG_FILE="$work/fonts.conf" QT_QPA_FONTDIR="$work/empty")
[ -z "$("${no_fonts[@]}" fc-list)" ] || fail "fontconfig still finds fonts"

"$falorys" --export-png "$work/export.png" || fail "the export with the system's fonts failed"

# Other faces installed under the carried faces' names, each with the foundry and style of the
# one it claims to be, renamed by the build's own fontTools script: the export stays the same.
fonttools_python=$(sed -n '1s/^#! *//p' "$(command -v pyftsubset)")
mkdir -p "$work/impostors"
for impostor in liberation2/LiberationSerif-Regular:"Liberation Sans" \
    liberation2/LiberationSans-Regular:"Liberation Serif" dejavu/DejaVuSerif:"DejaVu Sans"; do
    $fonttools_python "$(dirname "$0")/../../drawing/face_family.py" \
        "/usr/share/fonts/truetype/${impostor%:*}.ttf" "$work/impostors/${impostor#*:}.ttf" \
        "${impostor#*:}"
done
sed "s|<cachedir>|<dir>$work/impostors</dir>&|" "$work/fonts.conf" >"$work/impostors.conf"
FONTCONFIG_FILE="$work/impostors.conf" "$falorys" --export-png "$work/impostors.png" &&
    cmp -s "$work/impostors.png" "$work/export.png" ||
    fail "other faces under the carried faces' names changed the export"

program_stderr=$work/stderr
start_program "${no_fonts[@]}"
wait_for_centre 7A00FF
shoot_client start
differing=$(compare -metric AE "$work/start.png" "$work/export.png" null: 2>&1 || true)
[ "$differing" = 0 ] ||
    fail "without fonts the client area differs from the export with them in $differing pixels"

# A change redraws the readouts too: suwak1's right arrow, one step to 381 nm.
xdotool mousemove $((cx + 440 + 168 - 6)) $((cy + 181 + 8)) click 1
wait_for_centre not 7A00FF

# The Description window, whose text is all fonts. The menu titles show as boxes, one for each
# letter, which find_help_menu finds as it finds letters.
import -window root "$work/screen.png"
find_help_menu screen
open_help_item 1
desc=$(window_named 'Opis programu') || fail "Opis programu did not open without fonts"
# Its link label, a row of boxes now, reaches over "OK": the close box ends it.
"$send_close_request" "$desc"
wait_until_gone 'Opis programu' "close box without fonts"

"$send_close_request" "$wid"
wait_for_exit 0 "close box without fonts"
echo "no fonts: all checks passed ($(wc -l <"$work/stderr") lines on stderr)"
