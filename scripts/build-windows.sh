#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows program on Debian, cross-compiled with MinGW-w64, and its installer:
#   build/windows/falorys.exe                   runs alone (Qt linked statically)
#   build/windows/falorys-VERSION-setup.exe     the installer (NSIS)
# and the tests that run them under Wine (ctest --test-dir build/windows, scripts/test.sh).
#
# The static Qt 6.4.2 for Windows comes from, in this order: FALORYS_QT_WINDOWS=DIR (a build of
# scripts/windows/build-qt.sh's recipe), the cache folder of an earlier run, the ready build in
# ../shared/windows/ beside the repository (or beside the one it was cloned from), or else it is
# built from Debian's source (about 40 minutes on 2 cores) into the cache folder, where later
# runs find it. Google Benchmark likewise.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"

bash scripts/install-deps.sh windows

jobs=${FALORYS_JOBS:-$(nproc)}
export FALORYS_JOBS=$jobs
cache=${XDG_CACHE_HOME:-$HOME/.cache}/falorys
qt_name=qt-6.4.2-mingw-w64-static
mkdir -p "$cache"

# A folder in the cache counts once its stamp is written, so that a run stopped halfway is
# started again rather than used.
complete() { [ -f "$1/.falorys-complete" ]; }

if [ -n "${FALORYS_QT_WINDOWS:-}" ]; then
    qt=$(realpath "$FALORYS_QT_WINDOWS")
    [ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] ||
        { echo "FALORYS_QT_WINDOWS=$qt holds no Qt 6 build" >&2; exit 1; }
else
    qt=$cache/$qt_name
    # Beside this repository, or beside the one it was cloned from (a clean clone for CI).
    shared=$repo/../shared/windows
    origin=$(git -C "$repo" remote get-url origin 2>/dev/null || true)
    if [ ! -d "$shared" ] && [ -d "$origin" ]; then
        shared=$(cd "$origin" && pwd)/../shared/windows
    fi
    if ! complete "$qt"; then
        rm -rf "$qt" "$cache/$qt_name.partial"
        if [ -f "$shared/$qt_name.tar.xz" ]; then
            echo "Unpacking the static Qt from $shared"
            (cd "$shared" && sha256sum -c --quiet "$qt_name.tar.xz.sha256")
            mkdir -p "$cache/$qt_name.partial"
            tar -C "$cache/$qt_name.partial" -xJf "$shared/$qt_name.tar.xz"
            mv "$cache/$qt_name.partial/$qt_name" "$qt"
            rm -rf "$cache/$qt_name.partial"
        else
            echo "Building the static Qt from source into $qt (about 40 minutes on 2 cores)"
            bash scripts/windows/build-qt.sh "$qt" "$cache/qt-work"
            rm -rf "$cache/qt-work"
        fi
        touch "$qt/.falorys-complete"
    fi
fi

# Google Benchmark, built from Debian's source, for the benchmarks run under Wine.
tests=${FALORYS_WINDOWS_TESTS:-ON}
libraries=("$qt")
for library in $([ "$tests" = OFF ] || echo benchmark-1.7.1); do
    prefix=$cache/$library-mingw-w64-static
    if ! complete "$prefix"; then
        rm -rf "$prefix"
        echo "Building ${library%-*} for Windows into $prefix"
        bash "scripts/windows/build-${library%%-*}.sh" "$prefix" "$cache/$library-work"
        rm -rf "$cache/$library-work"
        touch "$prefix/.falorys-complete"
    fi
    libraries+=("$prefix")
done

# -O2 as the Linux build (RelWithDebInfo), without the debugging information: the same
# arithmetic, a smaller file.
cmake -G Ninja -S . -B build/windows \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$(IFS=';'; echo "${libraries[*]}")" \
    -DQT_HOST_PATH=/usr -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DFALORYS_WERROR=ON -DFALORYS_BUILD_TESTS="$tests" -DFALORYS_BUILD_BENCHMARKS="$tests"
cmake --build build/windows -j "$jobs"
ls -l build/windows/falorys.exe build/windows/falorys-*-setup.exe
