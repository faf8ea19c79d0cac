#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, with apt, whatever is missing:
#   install-deps.sh        everything the build, the tests and the benchmarks need;
#   install-deps.sh run    only what building and running the program needs;
#   install-deps.sh windows  only what building the Windows program and its installer needs;
#   install-deps.sh web    only what building the browser's program needs.
set -euo pipefail

mode=${1:-all}

# Qt's translation tools (lupdate, lrelease and their CMake functions) for the catalogues.
packages=(cmake ninja-build qt6-base-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools)
# Cross-compiled on Debian: MinGW-w64, the Linux Qt's host tools, NSIS; the sources of the
# static Qt and of Google Benchmark come through apt.
windows_packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools nsis xz-utils ca-certificates)
# Debian's emscripten (and its acorn, for a node that is not Debian's); the faces the program
# carries and fontTools, which cuts them down to the program's characters before they are built
# in; the browser and its driver for the browser's tests.
web_packages=(emscripten node-acorn xz-utils fonts-liberation2 fonts-dejavu-core fonttools)
if [ "$mode" = windows ]; then
    packages+=("${windows_packages[@]}")
elif [ "$mode" = web ]; then
    packages+=("${web_packages[@]}")
else
    # fontconfig's headers: the program reads its configuration ahead, while starting.
    packages+=(g++ pkg-config libgl-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core
               fonttools fontconfig)
fi
if [ "$mode" = all ]; then
    packages+=(
        libgtest-dev libgmock-dev libbenchmark-dev
        xvfb xauth xdotool x11-utils imagemagick libx11-dev
        locales
        # ghostscript's URW faces, which many packages bring: fontconfig then answers otherwise
        # for some classic faces, and the tests must pass where they are
        fonts-urw-base35
        clang-format valgrind
        desktop-file-utils appstream dpkg-dev file lintian
        "${windows_packages[@]}" wine wine64
        "${web_packages[@]}" chromium chromium-driver python3-selenium python3-pil
    )
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "$mode" = all ] || exit 0

# The locales the tests start the program under (one writes decimals with neither "." nor ",").
wanted_locales=(pl_PL.UTF-8 en_US.UTF-8 de_DE.UTF-8 ar_EG.UTF-8)
missing_locales=()
for l in "${wanted_locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l%.UTF-8}.utf8" || missing_locales+=("$l")
done
if ((${#missing_locales[@]})); then
    echo "Generating locales: ${missing_locales[*]}"
    for l in "${missing_locales[@]}"; do
        grep -qx "$l UTF-8" /etc/locale.gen ||
            echo "$l UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    done
    "${sudo[@]}" locale-gen
fi
