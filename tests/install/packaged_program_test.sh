#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program unpacked from the Debian package starts on a virtual X screen, shows its window
# with the start picture, and ends with code 0 when the window is asked to close.
# Usage: packaged_program_test.sh ROOT SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/../e2e/e2e_common.sh"

falorys=$1/usr/bin/falorys
send_close_request=$2
[ -x "$falorys" ] || fail "no packaged program at $falorys"

start_program
wait_for_centre 7A00FF # 380 nm at the start
"$send_close_request" "$wid"
wait_for_exit 0 "close request"
echo "packaged program: window shown and closed"
