#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser's Falorys on Debian, with Qt for WebAssembly and Debian's emscripten, into
# build/web/.
#
# Qt 6.4.2 for WebAssembly comes from, in this order: FALORYS_QT_WEB=DIR (a build of
# scripts/web/build-qt.sh's recipe), the cache folder of an earlier run, the ready build in
# ../shared/web/ beside the repository (or beside the one it was cloned from), or else it is
# built from Debian's source (about 10 minutes on 2 cores) into the cache folder.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"

bash scripts/install-deps.sh web

jobs=${FALORYS_JOBS:-$(nproc)}
source scripts/lib/find-qt.sh
find_qt web FALORYS_QT_WEB qt-6.4.2-wasm-static qt6-wasm 10 env.sh

# EMSDK (Qt's CMake wants an emsdk layout; the prefix holds one made of links to Debian's
# emscripten) and NODE_PATH (emscripten's optimiser needs Debian's acorn).
. "$qt/env.sh"
"$qt/bin/qt-cmake" -G Ninja -S . -B build/web -DCMAKE_BUILD_TYPE=Release \
    -DFALORYS_WERROR=ON -DFALORYS_BUILD_TESTS=OFF -DFALORYS_BUILD_BENCHMARKS=OFF
cmake --build build/web -j "$jobs"
ls -l build/web/falorys.html build/web/falorys.js build/web/falorys.wasm
