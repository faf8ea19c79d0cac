#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The X server going away under the running program: the virtual X server of this run is killed
# while the main window is up. The program must end by itself within 5 s with a message on
# stderr and a failure code, neither hanging nor dying of a signal.
# Usage: x_server_gone_e2e.sh FALORYS [SEND_CLOSE_REQUEST, not used]
set -euo pipefail

# xvfb-run fails when it finds its server already gone, so the verdict comes back in a file.
if [ -z "${FALORYS_E2E_DISPLAY_READY:-}" ]; then
    export FALORYS_E2E_DISPLAY_READY=1
    FALORYS_E2E_VERDICT=$(mktemp)
    export FALORYS_E2E_VERDICT
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@" || true
    verdict=$(cat "$FALORYS_E2E_VERDICT")
    rm -f "$FALORYS_E2E_VERDICT"
    [ "$verdict" = passed ] || exit 1
    exit 0
fi

source "$(dirname "$0")/../e2e/e2e_common.sh"

falorys=$1

program_stderr=$work/stderr
start_program
wait_for_centre 7A00FF

# The server xvfb-run started for this script: a child of the same parent.
xvfb=$(pgrep -P "$PPID" -x Xvfb) || fail "cannot find the X server of this run"
kill -KILL "$xvfb"
killed=$(date +%s%N)
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program still runs 5 s after its X server went away"
rc=0
wait "$pid" || rc=$?
pid=
took=$((($(date +%s%N) - killed) / 1000000))
[ "$rc" -ne 0 ] && [ "$rc" -lt 128 ] ||
    fail "exit code $rc: expected a failure code, not success or a signal"
[ -s "$program_stderr" ] || fail "the program said nothing on stderr"
echo passed >"$FALORYS_E2E_VERDICT"
echo "X server gone: ended in $took ms with code $rc: $(head -n 1 "$program_stderr")"
