# SPDX-License-Identifier: MIT
# Sourced by the Windows build scripts. Fetches a Debian source package with apt through a
# sources list and state folder of our own, so that the machine's apt configuration is never
# touched and no deb-src entry needs to be enabled on it:
#   debian_source WORK PACKAGE=VERSION FILE SHA256
# leaves WORK/src/FILE (a file of the source package, such as its .orig tarball), checked.

debian_source() {
    local work=$1 package=$2 file=$3 sha256=$4
    if [ -f "$work/src/$file" ] && echo "$sha256  $work/src/$file" | sha256sum -c --quiet - 2>/dev/null; then
        return 0
    fi
    mkdir -p "$work/apt/lists/partial" "$work/apt/sources.list.d" "$work/src"
    # deb-src entries made from the machine's own deb entries, in either format.
    local list
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -f "$list" ] && sed 's/^Types: *deb$/Types: deb-src/' "$list" \
            >"$work/apt/sources.list.d/$(basename "$list")"
    done
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] && sed -n 's/^deb \(.*\)$/deb-src \1/p' "$list" \
            >"$work/apt/sources.list.d/$(basename "$list" .list)-src.list"
    done
    local apt_private=(-o "Dir::Etc::SourceList=/dev/null"
        -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
        -o "Dir::State::Lists=$work/apt/lists")
    apt-get "${apt_private[@]}" update -qq
    (cd "$work/src" && apt-get "${apt_private[@]}" source --download-only "$package")
    echo "$sha256  $work/src/$file" | sha256sum -c -
}

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
