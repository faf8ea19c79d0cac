#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer target of the JPEG decoder with clang (build/fuzz, a configure of its own)
# and runs it for 60 s, or the number of seconds given, from the corpus kept in tests/fuzz/corpus
# and the real side picture. Inputs it finds go to build/fuzz/corpus (not into the tree); an
# input that crashes, leaks or hangs is written to build/fuzz/artifacts/ and fails the script.
# Replay one with: build/fuzz/falorys_jpeg_fuzzer FILE
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build/fuzz

cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++
cmake --build "$build" --target falorys_jpeg_fuzzer

mkdir -p "$build/corpus" "$build/artifacts"
cp app/resources/side_picture.jpg tests/fuzz/corpus/*.jpg "$build/corpus/"
# The decoder allows itself 256 MiB and a 64 MiB picture; 2 GiB means a runaway. A single input
# that takes 10 s under the sanitizers is a hang.
"$build/falorys_jpeg_fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -max_len=16384 -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$build/corpus"
