# SPDX-License-Identifier: MIT
# Sourced by the Windows build scripts.
# Builds and installs a CMake project of a source tarball as static libraries for Windows:
#   cross_build WORK TARBALL FOLDER PREFIX [CMAKE OPTIONS...]
# where FOLDER is the tarball's top folder; the build's output goes to WORK/FOLDER.log.
cross_build() {
    local work=$1 tarball=$2 folder=$3 prefix=$4 repo
    shift 4
    repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    rm -rf "${work:?}/$folder" "$work/build-$folder"
    tar -C "$work" -xf "$work/src/$tarball"
    {
        cmake -G Ninja -S "$work/$folder" -B "$work/build-$folder" -Wno-dev \
            -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
        cmake --build "$work/build-$folder" -j "${FALORYS_JOBS:-2}"
        cmake --install "$work/build-$folder"
    } >"$work/$folder.log" 2>&1 || { tail -n 30 "$work/$folder.log" >&2; return 1; }
}
