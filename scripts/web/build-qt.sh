#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Qt 6.4.2 (qtbase only: Core, Gui, Widgets, OpenGL and the wasm platform plugin) as static
# libraries for WebAssembly with Debian 12's own emscripten (3.1.6; Qt 6.4 asks for 3.1.14 and
# only warns). The source is Debian's qt6-base source package (its .orig tarball, without
# Debian's patches), fetched with apt through a private sources list: the machine's apt
# configuration is not touched. The host tools (moc, rcc, uic, ...) are the Linux Qt's of the
# same version (qt6-base-dev).
#
#   build-qt.sh PREFIX [WORK]        installs into PREFIX (e.g. /opt/qt6-wasm); WORK (default: a
#                                    new temporary folder) keeps the source and the build.
#                                    About 10 minutes on 2 cores.
#
# Using it afterwards (qt-cmake needs EMSDK and NODE_PATH, which PREFIX/env.sh sets, for the
# configure and the build alike):
#   . PREFIX/env.sh
#   PREFIX/bin/qt-cmake -G Ninja -S SRC -B BUILD -DCMAKE_BUILD_TYPE=Release
set -euo pipefail
source "$(dirname "$0")/../lib/debian-source.sh"
prefix=$(realpath -m "$1")
work=$(realpath -m "${2:-$(mktemp -d)}")

need=(emscripten qt6-base-dev cmake ninja-build xz-utils)
missing=()
for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]} == 0)) || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; }

# emcc's JS optimiser needs acorn, which Debian ships in /usr/share/nodejs (node-acorn); a node
# that is not Debian's own (nodesource's) does not look there.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

qtbase_source "$work"
tar -C "$work/src" -xf "$work/src/$qtbase_tarball"
qtsrc="$work/src/qtbase-everywhere-src-6.4.2"

# Qt's CMake reads the emscripten version and finds Emscripten.cmake through an emsdk layout
# ($EMSDK/.emscripten naming '/upstream/emscripten', with emcc and cmake/ in there), when
# building Qt and again when building an application. Debian's emscripten has no such layout:
# one made of links to /usr/share/emscripten and /usr/bin/emcc lives in the prefix.
emsdk="$prefix/emsdk"
rm -rf "$emsdk"
mkdir -p "$emsdk/upstream/emscripten"
printf "# Debian's emscripten, laid out as Qt's CMake expects an emsdk.\nEMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'\n" \
    >"$emsdk/.emscripten"
for f in /usr/share/emscripten/* /usr/share/emscripten/.emscripten; do ln -s "$f" "$emsdk/upstream/emscripten/"; done
ln -s /usr/bin/emcc "$emsdk/upstream/emscripten/emcc"
ln -s /usr/bin/em++ "$emsdk/upstream/emscripten/em++"
export EMSDK="$emsdk"

# Threads off: a threaded wasm needs SharedArrayBuffer, so cross-origin isolation headers from
# the web server. Network, SQL, XML, print support, concurrent, D-Bus and test lib: not needed.
cmake -G Ninja -S "$qtsrc" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_thread=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF -DFEATURE_icu=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
cmake --build "$work/build" -j"$(nproc)"
cmake --install "$work/build"

# What a shell sources before building for the web with this Qt (wherever the prefix now is).
cat >"$prefix/env.sh" <<'ENV'
# Sourced (bash) before configuring or building for the web with this Qt.
export EMSDK="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/emsdk"
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
ENV
