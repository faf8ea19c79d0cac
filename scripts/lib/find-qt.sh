# SPDX-License-Identifier: MIT
# Sourced by the build scripts for another system (Windows, the browser). Expects repo, the
# repository's root.

cache=${XDG_CACHE_HOME:-$HOME/.cache}/falorys
mkdir -p "$cache"

# A folder in the cache counts once its stamp is written, so that a run stopped halfway is
# started again rather than used.
complete() { [ -f "$1/.falorys-complete" ]; }

# Sets qt to a static Qt 6.4.2 for SYSTEM (windows, web), from, in this order: the folder the
# environment variable VARIABLE names (a build of scripts/SYSTEM/build-qt.sh's recipe, which
# must hold each FILE), the cache folder of an earlier run, the ready build NAME.tar.xz (top
# folder TOP) in ../shared/SYSTEM/ beside the repository or beside the one it was cloned from
# (a clean clone for CI), or else a build from Debian's source, which takes MINUTES.
#   find_qt SYSTEM VARIABLE NAME TOP MINUTES [FILE...]
find_qt() {
    local system=$1 variable=$2 name=$3 top=$4 minutes=$5
    shift 5
    if [ -n "${!variable:-}" ]; then
        qt=$(realpath "${!variable}")
        local file
        for file in lib/cmake/Qt6/Qt6Config.cmake "$@"; do
            [ -f "$qt/$file" ] || { echo "$variable=$qt holds no Qt 6 build for $system" >&2; exit 1; }
        done
        return 0
    fi
    qt=$cache/$name
    complete "$qt" && return 0
    local shared=$repo/../shared/$system origin
    origin=$(git -C "$repo" remote get-url origin 2>/dev/null || true)
    if [ ! -d "$shared" ] && [ -d "$origin" ]; then
        shared=$(cd "$origin" && pwd)/../shared/$system
    fi
    rm -rf "$qt" "$cache/$name.partial"
    if [ -f "$shared/$name.tar.xz" ]; then
        echo "Unpacking Qt for $system from $shared"
        (cd "$shared" && sha256sum -c --quiet "$name.tar.xz.sha256")
        mkdir -p "$cache/$name.partial"
        tar -C "$cache/$name.partial" -xJf "$shared/$name.tar.xz"
        mv "$cache/$name.partial/$top" "$qt"
        rm -rf "$cache/$name.partial"
    else
        echo "Building Qt for $system from source into $qt (about $minutes minutes on 2 cores)"
        bash "$repo/scripts/$system/build-qt.sh" "$qt" "$cache/qt-$system-work"
        rm -rf "$cache/qt-$system-work"
    fi
    touch "$qt/.falorys-complete"
}
