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
cache=${XDG_CACHE_HOME:-$HOME/.cache}/falorys
qt_name=qt-6.4.2-wasm-static
mkdir -p "$cache"

# A folder in the cache counts once its stamp is written, so that a run stopped halfway is
# started again rather than used.
complete() { [ -f "$1/.falorys-complete" ]; }

if [ -n "${FALORYS_QT_WEB:-}" ]; then
    qt=$(realpath "$FALORYS_QT_WEB")
    [ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$qt/env.sh" ] ||
        { echo "FALORYS_QT_WEB=$qt holds no Qt 6 for WebAssembly" >&2; exit 1; }
else
    qt=$cache/$qt_name
    shared=$repo/../shared/web
    origin=$(git -C "$repo" remote get-url origin 2>/dev/null || true)
    if [ ! -d "$shared" ] && [ -d "$origin" ]; then
        shared=$(cd "$origin" && pwd)/../shared/web
    fi
    if ! complete "$qt"; then
        rm -rf "$qt" "$cache/$qt_name.partial"
        if [ -f "$shared/$qt_name.tar.xz" ]; then
            echo "Unpacking Qt for WebAssembly from $shared"
            (cd "$shared" && sha256sum -c --quiet "$qt_name.tar.xz.sha256")
            mkdir -p "$cache/$qt_name.partial"
            tar -C "$cache/$qt_name.partial" -xJf "$shared/$qt_name.tar.xz"
            mv "$cache/$qt_name.partial/qt6-wasm" "$qt"
            rm -rf "$cache/$qt_name.partial"
        else
            echo "Building Qt for WebAssembly from source into $qt (about 10 minutes on 2 cores)"
            bash scripts/web/build-qt.sh "$qt" "$cache/qt-web-work"
            rm -rf "$cache/qt-web-work"
        fi
        touch "$qt/.falorys-complete"
    fi
fi

# EMSDK (Qt's CMake wants an emsdk layout; the prefix holds one made of links to Debian's
# emscripten) and NODE_PATH (emscripten's optimiser needs Debian's acorn).
. "$qt/env.sh"
"$qt/bin/qt-cmake" -G Ninja -S . -B build/web -DCMAKE_BUILD_TYPE=Release \
    -DFALORYS_WERROR=ON -DFALORYS_BUILD_TESTS=OFF -DFALORYS_BUILD_BENCHMARKS=OFF
cmake --build build/web -j "$jobs"
ls -l build/web/falorys.html build/web/falorys.js build/web/falorys.wasm
