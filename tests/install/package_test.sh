#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree with CPack, unpacks it into OUT/root and checks
# that it holds exactly the files of a desktop application, each where it belongs, that its
# control fields name the section, the version and the libraries and fonts it needs, that its
# documentation is what Debian policy asks for, and that lintian finds no error in it.
# Usage: package_test.sh CMAKE CPACK LINTIAN BUILD-DIR VERSION OUT
set -euo pipefail
cmake=$1
cpack=$2
lintian=$3
build=$4
version=$5
out=$6

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$out"
mkdir -p "$out"
# The package carries the program as built: bring it up to date first.
"$cmake" --build "$build" --target falorys
# Under a strict umask, which must not reach the modes in the package.
if ! (umask 077 && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out/cpack" \
    >"$out/cpack.log" 2>&1); then
    cat "$out/cpack.log" >&2
    fail "cpack could not build the package"
fi
shopt -s nullglob
debs=("$out"/cpack/*.deb)
[ "${#debs[@]}" -eq 1 ] || fail "expected one package, found ${#debs[@]}"
deb=${debs[0]}

# --- Control fields. The version is the program's with a Debian revision.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = falorys ] || fail "Package: $(field Package)"
debian_version=$(field Version)
[[ "$debian_version" =~ ^"$version"-[0-9]+$ ]] ||
    fail "Version: $debian_version, expected $version-<revision>"
[ "$(basename "$deb")" = "falorys_${debian_version}_amd64.deb" ] ||
    fail "package file $(basename "$deb"), expected falorys_${debian_version}_amd64.deb"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
name_and_address='^.+ <.+@.+>$'
[[ "$(field Maintainer)" =~ $name_and_address ]] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for needed in fonts-liberation2 fonts-dejavu-core libqt6core6 libqt6gui6 libqt6widgets6 \
    libc6 libstdc++6; do
    [[ ",$depends" =~ ,\ ?"$needed"[a-z0-9.+-]*(\ \(|,|$) ]] ||
        fail "Depends lacks $needed: $depends"
done

# --- Contents: these files and nothing else.
root=$out/root
dpkg-deb -x "$deb" "$root"
icons=usr/share/icons/hicolor
expected=(
    usr/bin/falorys
    usr/share/applications/org.falorys.Falorys.desktop
    usr/share/metainfo/org.falorys.Falorys.metainfo.xml
    usr/share/doc/falorys/copyright
    usr/share/doc/falorys/changelog.Debian.gz
    usr/share/man/man1/falorys.1.gz
    usr/share/lintian/overrides/falorys
    "$icons/scalable/apps/org.falorys.Falorys.svg"
)
for size in 32 48 64 128 256; do
    expected+=("$icons/${size}x$size/apps/org.falorys.Falorys.png")
done
actual=$(cd "$root" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "package contents differ:
$(diff <(echo "$wanted") <(echo "$actual") || true)"

odd_modes=$(dpkg-deb -c "$deb" | awk '$1 !~ /^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x)$/')
[ -z "$odd_modes" ] || fail "entries with unusual modes:
$odd_modes"
exe=$root/usr/bin/falorys
[ -x "$exe" ] || fail "usr/bin/falorys is not executable"
file -b "$exe" | grep -q '^ELF 64-bit .* x86-64' || fail "usr/bin/falorys: $(file -b "$exe")"
file -b "$exe" | grep -q ', stripped' || fail "usr/bin/falorys still carries its symbols"
for size in 32 48 64 128 256; do
    png=$root/$icons/${size}x$size/apps/org.falorys.Falorys.png
    file -b "$png" | grep -q "^PNG image data, $size x $size," ||
        fail "${size}x$size icon is $(file -b "$png")"
done
grep -q '<svg' "$root/$icons/scalable/apps/org.falorys.Falorys.svg" || fail "the SVG icon is no SVG"

# --- Documentation as Debian policy has it: compressed with gzip -9n (no name, no time stamp),
# a machine-readable copyright, a changelog whose newest entry is this version, a manual page
# that man formats without a warning.
doc=$root/usr/share/doc/falorys
man_page=$root/usr/share/man/man1/falorys.1.gz
gzip_9n='^gzip compressed data, max compression, from Unix, original' # with a name: ', was "...'
for gz in "$doc/changelog.Debian.gz" "$man_page"; do
    [[ "$(file -b "$gz")" =~ $gzip_9n ]] ||
        fail "${gz#"$root"/} is not compressed with gzip -9n: $(file -b "$gz")"
done
copyright=$doc/copyright
head -1 "$copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
grep -qx 'License: Expat' "$copyright" || fail "the copyright file does not give the MIT licence"
grep -qx ' Permission is hereby granted, free of charge, to any person obtaining a copy' \
    "$copyright" || fail "the copyright file lacks the licence text"
zcat "$doc/changelog.Debian.gz" >"$out/changelog"
newest=$(dpkg-parsechangelog -l "$out/changelog" -S Version) ||
    fail "the changelog does not parse"
[ "$newest" = "$debian_version" ] ||
    fail "the changelog's newest entry is $newest, the package $debian_version"
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man_page" 2>&1 \
    >/dev/null) || fail "man cannot format the manual page"
[ -z "$man_warnings" ] || fail "man warns about the manual page: $man_warnings"

# --- The packaged program and its manual page agree: the version is the package's, every option
# that --help lists is described, so are the context menu and the keys; an export needs no display.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${headless[@]}" "$exe" --version)" = "falorys $version" ] ||
    fail "falorys --version does not say falorys $version"
help=$("${headless[@]}" "$exe" --help) || fail "falorys --help fails"
options=$(grep -oE -- '--[a-zA-Z][a-zA-Z-]*' <<<"$help" | sort -u)
[ -n "$options" ] || fail "falorys --help lists no options"
manual=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$man_page" 2>/dev/null | col -b)
for option in $options; do
    grep -qE -- "(^|[^a-zA-Z-])$option([^a-zA-Z-]|\$)" <<<"$manual" ||
        fail "the manual page does not describe $option, which falorys --help lists"
done
for item in "Kopiuj obraz" "Zapisz obraz…" "Zapisz dane…" Ctrl+Plus Ctrl+Minus Ctrl+0 \
    Shift+F10; do
    grep -qF -- "$item" <<<"$manual" || fail "the manual page does not mention $item"
done
"${headless[@]}" "$exe" --lambda 650 --d 0,030 --export-csv "$out/pattern.csv" ||
    fail "the packaged program cannot export without a display"
[ "$(wc -l <"$out/pattern.csv")" -eq 362 ] || fail "the export is not a header and 361 columns"

# --- The pieces name one another: the entry starts the packaged program with the packaged
# icon, and the metadata launches the packaged entry.
entry=$root/usr/share/applications/org.falorys.Falorys.desktop
grep -qx 'Exec=falorys' "$entry" || fail "the desktop entry does not run falorys"
grep -qx 'Icon=org.falorys.Falorys' "$entry" || fail "the desktop entry names another icon"
grep -qx 'Actions=presentation;' "$entry" || fail "the desktop entry offers no presentation action"
action=$(sed -n '/^\[Desktop Action presentation\]$/,/^\[/p' "$entry")
grep -qx 'Exec=falorys --scale fit' <<<"$action" ||
    fail "the presentation action does not run falorys --scale fit"
grep -qx 'Name\[pl\]=Tryb prezentacji' <<<"$action" ||
    fail "the presentation action is not called \"Tryb prezentacji\""
grep -q '<launchable type="desktop-id">org.falorys.Falorys.desktop</launchable>' \
    "$root/usr/share/metainfo/org.falorys.Falorys.metainfo.xml" ||
    fail "the metadata launches another desktop entry"

# --- lintian: no error. Everything it says is shown.
report=$("$lintian" --fail-on none "$deb" 2>&1 | grep -v '^running with root privileges') || true
[ -z "$report" ] || echo "$report"
! grep -q '^E:' <<<"$report" || fail "lintian reports errors"
echo "package $(basename "$deb"): $(echo "$actual" | wc -l) files, Depends: $depends"
