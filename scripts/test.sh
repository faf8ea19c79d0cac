#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds from scratch-or-incrementally and runs every test, headless:
# the full suite (the slow checks labelled extended included) with the benchmarks built.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
cmake --preset default -DFALORYS_WERROR=ON -DFALORYS_BUILD_TESTS=ON -DFALORYS_BUILD_BENCHMARKS=ON
cmake --build --preset default -j "$jobs"
ctest --preset full -j "$jobs"

# The browser's program and its single file, in Debian's headless Chromium, against this build's
# exports; a missing browser fails here.
bash scripts/build-web.sh
/usr/bin/python3 tests/web/browser_test.py build/web build/default/app/falorys build/web-test

# The same suite again under AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer,
# halting on the first report; the end-to-end tests run this build's program.
cmake --preset asan -DFALORYS_WERROR=ON
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

# A minute of libFuzzer on the JPEG decoder, built apart with clang.
bash scripts/fuzz.sh 60

# The Windows program and its installer, cross-built, and their tests under Wine (the same
# GoogleTest suites, the program against this Linux build, the installer).
bash scripts/build-windows.sh
ctest --test-dir build/windows -L windows -j "$jobs" --output-on-failure
