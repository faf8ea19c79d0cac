#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the browser's site beside the built falorys.js and falorys.wasm: index.html, the
# manifest, the icons and the service worker; and falorys.html, one file with everything inside
# (the .wasm as base64), which opens from file:// with no server.
# Usage: make-site.sh SOURCE_DIR ICON_DIR BUILD_DIR
set -euo pipefail
src=$(realpath "$1") icons=$(realpath "$2") out=$(realpath "$3")
cd "$out"
for f in falorys.js falorys.wasm; do
    [ -s "$f" ] || { echo "make-site.sh: $out/$f is missing" >&2; exit 1; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Replaces each line that is exactly <!--NAME--> by the contents of the file given as NAME=FILE.
fill() {
    local template=$1
    shift
    awk -v pairs="$*" '
        BEGIN { n = split(pairs, list, " ");
                for (i = 1; i <= n; ++i) { split(list[i], kv, "="); file["<!--" kv[1] "-->"] = kv[2] } }
        ($0 in file) { f = file[$0]; while ((getline line < f) > 0) print line; close(f); next }
        { print }' "$template"
}

wasm_size=$(stat -c %s falorys.wasm)
build_id=$(cat falorys.js falorys.wasm "$src/page.html" "$src/loader.js" | sha256sum | cut -c1-16)

# Qt's own loader and logo, written when the build is configured, are not used by this page.
rm -f qtloader.js qtlogo.svg
mkdir -p icons
cp "$icons/32/org.falorys.Falorys.png" icons/falorys-32.png
cp "$icons/128/org.falorys.Falorys.png" icons/falorys-128.png
cp "$icons/256/org.falorys.Falorys.png" icons/falorys-256.png
cp "$icons/org.falorys.Falorys.svg" icons/falorys.svg
# The faces built into the program travel with their copyright and licence.
mkdir -p licences
cp /usr/share/doc/fonts-liberation2/copyright licences/fonts-liberation2.txt
cp /usr/share/doc/fonts-dejavu-core/copyright licences/fonts-dejavu-core.txt
cp "$src/manifest.webmanifest" manifest.webmanifest
sed "s/@BUILD_ID@/$build_id/" "$src/sw.js" > "$tmp/sw.js"
mv "$tmp/sw.js" sw.js

# The site: the program's files beside the page, kept by the service worker.
cat > "$tmp/head" <<HEAD
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" type="image/png" sizes="32x32" href="icons/falorys-32.png">
<link rel="apple-touch-icon" href="icons/falorys-256.png">
<meta name="theme-color" content="#000080">
HEAD
cat > "$tmp/program" <<PROGRAM
<script src="falorys.js"></script>
<script>
falorysStart(falorysFetchWasm('falorys.wasm', $wasm_size));
if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch(function (e) { console.warn(e); });
</script>
PROGRAM
fill "$src/page.html" SITE_HEAD="$tmp/head" LOADER="$src/loader.js" PROGRAM="$tmp/program" \
    > "$tmp/index.html"
mv "$tmp/index.html" index.html

# The single file: the script inline (a closing tag inside it would end the element early: it
# can only stand in a string, where <\/ reads the same) and the .wasm as base64.
{
    printf '<script type="application/octet-stream" id="falorys-wasm">'
    base64 -w0 falorys.wasm
    printf '</script>\n<script>\n'
    sed 's#</script#<\\/script#g' falorys.js
    printf '</script>\n<script>falorysStart(falorysEmbeddedWasm("falorys-wasm"));</script>\n'
} > "$tmp/program"
# It carries the faces' copyright and licence in a comment, as it carries the faces.
{ printf '<!--\n'; cat licences/*.txt; printf -- '-->\n'; } > "$tmp/licences"
fill "$src/page.html" SITE_HEAD="$tmp/licences" LOADER="$src/loader.js" PROGRAM="$tmp/program" \
    > "$tmp/falorys.html"
mv "$tmp/falorys.html" falorys.html
