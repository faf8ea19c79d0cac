#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree with CPack, unpacks it into OUT/root and checks
# that it holds exactly the files of a desktop application, each where it belongs, and that its
# control fields name the section, the version and the libraries and fonts it needs.
# Usage: package_test.sh CMAKE CPACK BUILD-DIR VERSION OUT
set -euo pipefail
cmake=$1
cpack=$2
build=$3
version=$4
out=$5

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$out"
mkdir -p "$out"
# The package carries the program as built: bring it up to date first.
"$cmake" --build "$build" --target falorys
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out/cpack" \
    >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    fail "cpack could not build the package"
fi
shopt -s nullglob
debs=("$out"/cpack/*.deb)
[ "${#debs[@]}" -eq 1 ] || fail "expected one package, found ${#debs[@]}"
deb=${debs[0]}
[ "$(basename "$deb")" = "falorys_${version}_amd64.deb" ] ||
    fail "package file $(basename "$deb"), expected falorys_${version}_amd64.deb"

# --- Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = falorys ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), expected $version"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
name_and_address='^.+ <.+@.+>$'
[[ "$(field Maintainer)" =~ $name_and_address ]] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for needed in fonts-liberation2 fonts-dejavu-core libqt6core6 libqt6gui6 libqt6widgets6 \
    libjpeg libc6 libstdc++6; do
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
    usr/share/doc/falorys/LICENSE
    "$icons/scalable/apps/org.falorys.Falorys.svg"
)
for size in 32 48 64 128 256; do
    expected+=("$icons/${size}x$size/apps/org.falorys.Falorys.png")
done
actual=$(cd "$root" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "package contents differ:
$(diff <(echo "$wanted") <(echo "$actual") || true)"

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
grep -q '^MIT License' "$root/usr/share/doc/falorys/LICENSE" || fail "the licence is not MIT"

# --- The pieces name one another: the entry starts the packaged program with the packaged
# icon, and the metadata launches the packaged entry.
entry=$root/usr/share/applications/org.falorys.Falorys.desktop
grep -qx 'Exec=falorys' "$entry" || fail "the desktop entry does not run falorys"
grep -qx 'Icon=org.falorys.Falorys' "$entry" || fail "the desktop entry names another icon"
grep -q '<launchable type="desktop-id">org.falorys.Falorys.desktop</launchable>' \
    "$root/usr/share/metainfo/org.falorys.Falorys.metainfo.xml" ||
    fail "the metadata launches another desktop entry"
echo "package $(basename "$deb"): $(echo "$actual" | wc -l) files, Depends: $depends"
