#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Qt 6.4.2 (qtbase only, the Linux build's version) as a static library for 64-bit
# Windows with MinGW-w64 (posix threads), from Debian's own qt6-base source package (its .orig
# tarball, without Debian's patches), with its bundled zlib, libpng, libjpeg, PCRE2, FreeType and
# HarfBuzz, without OpenGL, D-Bus, SQL and ICU. The host tools (moc, rcc, uic, ...) are the Linux
# Qt's of the same version (qt6-base-dev). About 40 minutes on 2 cores.
#   build-qt.sh PREFIX [WORK]     installs into PREFIX; WORK keeps the source and the build.
set -euo pipefail
source "$(dirname "$0")/../lib/debian-source.sh"
source "$(dirname "$0")/cross-build.sh"
prefix=$(realpath -m "$1")
work=$(realpath -m "${2:-$(mktemp -d)}")

qtbase_source "$work"
# tabletevent off: Debian's source leaves out the tablet SDK header (wintab.h) that the Windows
# platform plugin needs for it. dynamicgl off: with OpenGL off, 6.4.2's Windows plugin does not
# compile while dynamic GL stays on.
cross_build "$work" "$qtbase_tarball" qtbase-everywhere-src-6.4.2 "$prefix" \
    -DQT_HOST_PATH=/usr -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
    -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_icu=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
