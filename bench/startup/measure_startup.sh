#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time and peak memory of the program against the start-up fixture (a minimal Qt
# Widgets program of the same make-up), on the offscreen platform and on a virtual X screen:
# runs the two alternately, each reporting the end of its first complete paint, and compares
# the medians. Targets: time to first paint <= 1.15 x the fixture's, peak RSS <= fixture + 5 MiB.
# Then the headless export of a picture and its data, which must take well under a second.
#
#   bash bench/startup/measure_startup.sh [build directory] [runs]
# (default build/default and 20 runs of each, after one unmeasured run of each).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/default}" && pwd)
runs=${2:-20}
launch=$build/bench/falorys_startup_launch
program=$build/app/falorys
fixture=$build/bench/falorys_startup_fixture
for binary in "$launch" "$program" "$fixture"; do
    [ -x "$binary" ] || { echo "missing $binary: build the project first" >&2; exit 2; }
done

export LC_ALL=C.UTF-8
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# measure <platform>: prints the platform's line of results; returns 1 when a target is missed.
measure() {
    local platform=$1 i
    : >"$scratch/program" && : >"$scratch/fixture"
    "$launch" "$program" >/dev/null 2>&1 || true # once each unmeasured: files cached alike
    "$launch" "$fixture" >/dev/null 2>&1 || true
    for ((i = 0; i < runs; ++i)); do
        "$launch" "$program" 2>>"$scratch/stderr" >>"$scratch/program"
        "$launch" "$fixture" 2>>"$scratch/stderr" >>"$scratch/fixture"
    done
    local pt ft pm fm
    pt=$(cut -d' ' -f1 "$scratch/program" | median)
    ft=$(cut -d' ' -f1 "$scratch/fixture" | median)
    pm=$(cut -d' ' -f2 "$scratch/program" | median)
    fm=$(cut -d' ' -f2 "$scratch/fixture" | median)
    awk -v name="$platform" -v pt="$pt" -v ft="$ft" -v pm="$pm" -v fm="$fm" 'BEGIN {
        ratio = pt / ft; extra = (pm - fm) / 1024
        okTime = ratio <= 1.15; okMemory = extra <= 5
        printf "%-10s first paint %6.1f ms vs %6.1f ms: %.2f x (target <= 1.15) %s; ", name,
               pt / 1000, ft / 1000, ratio, okTime ? "met" : "MISSED"
        printf "peak RSS %5.1f MiB vs %5.1f MiB: %+.1f MiB (target <= +5) %s\n",
               pm / 1024, fm / 1024, extra, okMemory ? "met" : "MISSED"
        exit !(okTime && okMemory) }'
}

# The headless export, from fork to exit, with no display at all: the program picks the
# offscreen platform itself. Target: well under a second, <= 0.5 s.
measure_export() {
    local i start times=()
    for ((i = 0; i <= runs; ++i)); do
        start=$(date +%s%N)
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --lambda 650 --d 0.030 \
            --export-png "$scratch/export.png" --export-csv "$scratch/export.csv"
        ((i == 0)) || times+=($((($(date +%s%N) - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | median | awk '{
        printf "export     PNG and CSV, fork to exit %6.1f ms (target <= 500) %s\n", $1 / 1000,
               $1 <= 500000 ? "met" : "MISSED"; exit !($1 <= 500000) }'
}

status=0
if [ -z "${FALORYS_STARTUP_ON_X:-}" ]; then # first offscreen, then again on a virtual X screen
    echo "median of $runs alternating runs each"
    QT_QPA_PLATFORM=offscreen measure offscreen || status=1
    measure_export || status=1
    FALORYS_STARTUP_ON_X=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
        bash "$0" "$build" "$runs" || status=1
    exit $status
fi
QT_QPA_PLATFORM=xcb measure xvfb || status=1
exit $status
