#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# On demand, not in CI: a scripted offscreen session under valgrind's memcheck, the soak session
# (random scroll-bar moves, option switches, repaints, both dialogs opened and closed; about five
# minutes, FALORYS_MEMCHECK_SECONDS to change). It fails on any memcheck error (invalid reads or writes, uninitialised values, bad
# frees) and on memory definitely lost. Logs go to BUILD_DIR/memcheck/. The last result is in
# README.md next to this script.
# Usage: tests/memcheck/memcheck.sh [BUILD_DIR]   (default build/default, the default preset)
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build/default}
seconds=${FALORYS_MEMCHECK_SECONDS:-300}

bash scripts/install-deps.sh
[ -f "$build/CMakeCache.txt" ] || cmake --preset default
cmake --build "$build" --target soak_tests

logs=$build/memcheck
mkdir -p "$logs"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 FALORYS_SOAK_SECONDS=$seconds

failed=0
memcheck() { # name command...
    local name=$1 status=0
    shift
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
        --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=40 \
        --log-file="$logs/$name.log" "$@" >"$logs/$name.out" 2>&1 || status=$?
    echo "$name: $(grep -h 'ERROR SUMMARY' "$logs/$name.log" | sed 's/^==[0-9]*== //')"
    echo "$name: $(grep -h 'definitely lost' "$logs/$name.log" | sed 's/^==[0-9]*== *//')"
    grep -h '^soak:' "$logs/$name.out" || true
    if [ "$status" -ne 0 ]; then
        echo "$name: FAILED (exit code $status), see $logs/$name.log" >&2
        failed=1
    fi
}

memcheck soak "$build/tests/soak/soak_tests"
exit "$failed"
