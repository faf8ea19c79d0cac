#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the JPEG fuzzer's starting corpus into corpus/: the side picture in the other forms the
# decoder meets (progressive, greyscale, subsampled, CMYK) and damaged copies of it (cut short,
# bytes inverted, header sizes and segment lengths patched). The intact picture itself is read
# from app/resources. The files are kept in the tree; run this again only when the picture
# changes. Needs ImageMagick 6 (`convert`).
set -euo pipefail
export LC_ALL=C
here=$(cd "$(dirname "$0")" && pwd)
picture=$here/../../app/resources/side_picture.jpg
out=$here/corpus
mkdir -p "$out"
rm -f "$out"/*.jpg

# Offset of the first marker FF <code> (code in hex) in the picture.
marker() {
    grep -obUaP "\\xFF\\x$1" "$picture" | head -n 1 | cut -d: -f1
}

# A copy with the bytes at an offset replaced: name offset bytes (printf escapes, e.g. '\x00').
patched() {
    cp "$picture" "$out/$1"
    printf "$3" | dd of="$out/$1" bs=1 seek="$2" conv=notrunc status=none
}

# A copy with the byte at each given offset inverted.
inverted() {
    local name=$1 offset byte
    shift
    cp "$picture" "$out/$name"
    for offset in "$@"; do
        byte=$(od -An -tu1 -j "$offset" -N 1 "$picture" | tr -d ' ')
        printf "\\x$(printf %02x $((byte ^ 0xFF)))" |
            dd of="$out/$name" bs=1 seek="$offset" conv=notrunc status=none
    done
}

# Cut short after the given number of bytes.
truncated() {
    head -c "$2" "$picture" >"$out/$1"
}

size=$(stat -c %s "$picture")
dqt=$(marker DB)
sof=$(marker C0)
dht=$(marker C4)
sos=$(marker DA)
scan=$((sos + 2 + 12))

convert "$picture" -interlace JPEG "$out/progressive.jpg"
convert "$picture" -colorspace Gray "$out/greyscale.jpg"
convert "$picture" -sampling-factor 2x2 "$out/subsampled.jpg"
convert "$picture" -colorspace CMYK "$out/cmyk.jpg"
head -c 1500 "$out/progressive.jpg" >"$out/progressive-cut.jpg"

truncated cut-after-start.jpg 2
truncated cut-in-tables.jpg $((dqt + 30))
truncated cut-in-frame-header.jpg $((sof + 8))
truncated cut-in-scan.jpg $((scan + 1200))
truncated no-end-marker.jpg $((size - 2))

inverted inverted-quantisation.jpg $((dqt + 10)) $((dqt + 40))
inverted inverted-huffman.jpg $((dht + 8)) $((dht + 20))
inverted inverted-scan-header.jpg $((sos + 5))
inverted inverted-scan-early.jpg $((scan + 20))
inverted inverted-scan-late.jpg $((size - 200)) $((size - 100))
inverted inverted-marker.jpg $((sof + 1))

# The frame header: FF C0, length (2), precision (1), height (2), width (2), components (1).
patched height-zero.jpg $((sof + 5)) '\x00\x00'
patched width-zero.jpg $((sof + 7)) '\x00\x00'
patched size-largest.jpg $((sof + 5)) '\xFF\xFF\xFF\xFF'
patched size-at-pixel-limit.jpg $((sof + 5)) '\x04\x00\x40\x00'
patched size-over-pixel-limit.jpg $((sof + 5)) '\x10\x01\x10\x01'
patched taller.jpg $((sof + 5)) '\x02\x00'
patched precision-12.jpg $((sof + 4)) '\x0C'
patched components-zero.jpg $((sof + 9)) '\x00'
patched components-five.jpg $((sof + 9)) '\x05'
patched frame-length-short.jpg $((sof + 2)) '\x00\x08'
patched quantisation-length-long.jpg $((dqt + 2)) '\xFF\xFF'
patched huffman-length-short.jpg $((dht + 2)) '\x00\x02'
patched scan-components-four.jpg $((sos + 4)) '\x04'
echo "wrote $(ls "$out" | wc -l) files to $out"
