#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds libjpeg-turbo (the libjpeg the Linux build uses, Debian's own source package) as a
# static library for 64-bit Windows with MinGW-w64. Without SIMD: the plain C code decodes to
# the same pixels, and nasm is not needed.
#   build-libjpeg.sh PREFIX [WORK]     installs into PREFIX; WORK keeps the source and the build.
set -euo pipefail
source "$(dirname "$0")/debian-source.sh"
prefix=$(realpath -m "$1")
work=$(realpath -m "${2:-$(mktemp -d)}")

debian_source "$work" libjpeg-turbo=1:2.1.5-2 libjpeg-turbo_2.1.5.orig.tar.gz \
    254f3642b04e309fee775123133c6464181addc150499561020312ec61c1bf7c
cross_build "$work" libjpeg-turbo_2.1.5.orig.tar.gz libjpeg-turbo-2.1.5 "$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
