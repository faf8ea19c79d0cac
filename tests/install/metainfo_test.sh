#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The AppStream metadata validates (without the network) and the size it gives for the
# screenshot is the size of the picture kept in the tree.
# Usage: metainfo_test.sh APPSTREAMCLI METAINFO SCREENSHOT
set -euo pipefail
appstreamcli=$1
metainfo=$2
screenshot=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$appstreamcli" validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

[ -f "$screenshot" ] || fail "no screenshot at $screenshot"
actual=$(file -b "$screenshot" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1 \2/p')
[ -n "$actual" ] || fail "$screenshot is not a PNG picture"
declared=$(sed -n 's/.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\1 \2/p' \
    "$metainfo")
[ "$declared" = "$actual" ] ||
    fail "the metadata gives the screenshot as ${declared:-no size}, the picture is $actual"
grep -q '<image type="source"[^>]*>https://[^<]*/main-window.png</image>' "$metainfo" ||
    fail "the screenshot is not published at an https address"
echo "metainfo: valid, screenshot $actual"
