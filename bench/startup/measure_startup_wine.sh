#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of the Windows program under Wine against the minimal Qt Widgets program built the
# same way (startup_fixture.cpp, static Qt): the wall time from launching each to its exit right
# after its first complete paint (FALORYS_EXIT_AFTER_FIRST_PAINT=1), Wine's own start included,
# in a Wine session of the tests' own (tests/wine/wine_session.sh). The runs alternate.
# Usage: measure_startup_wine.sh [BUILD_DIR (build/windows)] [RUNS (20)]
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$repo/build/windows}")
runs=${2:-20}
session=$(mktemp -d)
trap 'bash "$repo/tests/wine/wine_session.sh" stop "$session"; rm -rf "$session"' EXIT
bash "$repo/tests/wine/wine_session.sh" start "$session" >/dev/null
source "$session/environment"
export FALORYS_EXIT_AFTER_FIRST_PAINT=1

programs=("$build/bench/falorys_startup_fixture.exe" "$build/falorys.exe")
for program in "${programs[@]}"; do # once each unmeasured: Wine's first start of a program
    timeout 60 wine "$program" >/dev/null 2>&1
done
for _ in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        start=$(date +%s%N)
        timeout 60 wine "$program" >/dev/null 2>&1
        echo "$(basename "$program") $((($(date +%s%N) - start) / 1000000))"
    done
done >"$session/times"
for program in "${programs[@]}"; do
    name=$(basename "$program")
    grep "^$name " "$session/times" | sort -k2n | awk -v name="$name" '
        { t[NR] = $2 } END { printf "%-30s median %d ms of %d runs\n", name, t[int((NR + 1) / 2)], NR }'
done
