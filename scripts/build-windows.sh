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
source scripts/lib/find-qt.sh
find_qt windows FALORYS_QT_WINDOWS qt-6.4.2-mingw-w64-static qt-6.4.2-mingw-w64-static 40

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
