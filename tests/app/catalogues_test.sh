#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Collects the program's texts again into a copy of each catalogue, as the build's
# update_translations does: nothing may be new or left over, and nothing unfinished.
# Usage: catalogues_test.sh SOURCE_ROOT LUPDATE LRELEASE
set -euo pipefail
root=$1 lupdate=$2 lrelease=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for catalogue in "$root"/translations/*.ts; do
    name=$(basename "$catalogue")
    cp "$catalogue" "$scratch/$name"
    found=$("$lupdate" -source-language pl -no-obsolete -locations none "$root/app" \
        "$root/drawing" -ts "$scratch/$name")
    grep -q '(0 new and' <<<"$found" || { echo "$name: texts without a translation: $found"; exit 1; }
    if ! cmp -s "$catalogue" "$scratch/$name"; then
        echo "$name: texts the program no longer has:"
        diff "$catalogue" "$scratch/$name" | head -20
        exit 1
    fi
    made=$("$lrelease" "$scratch/$name" -qm "$scratch/${name%.ts}.qm")
    grep -q ' 0 unfinished' <<<"$made" || { echo "$name: $made"; exit 1; }
done
echo "catalogues: every text translated"
