#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds libjpeg-turbo (the libjpeg the Linux build uses, Debian's own source package) as a
# static library for 64-bit Windows with MinGW-w64. Without SIMD: the plain C code decodes to
# the same pixels, and nasm is not needed.
#   build-libjpeg.sh PREFIX [WORK]     installs into PREFIX; WORK keeps the source and the build.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$(realpath -m "$1")
work=$(realpath -m "${2:-$(mktemp -d)}")
source "$repo/scripts/windows/debian-source.sh"

debian_source "$work" libjpeg-turbo=1:2.1.5-2 libjpeg-turbo_2.1.5.orig.tar.gz \
    254f3642b04e309fee775123133c6464181addc150499561020312ec61c1bf7c
rm -rf "$work/libjpeg-turbo-2.1.5" "$work/build-libjpeg"
tar -C "$work" -xzf "$work/src/libjpeg-turbo_2.1.5.orig.tar.gz"
cmake -G Ninja -S "$work/libjpeg-turbo-2.1.5" -B "$work/build-libjpeg" \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
    -DWITH_TURBOJPEG=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=OFF -Wno-dev >"$work/libjpeg-configure.log"
cmake --build "$work/build-libjpeg" -j "${FALORYS_JOBS:-2}" >"$work/libjpeg-build.log"
cmake --install "$work/build-libjpeg" >/dev/null
