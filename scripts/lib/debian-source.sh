# SPDX-License-Identifier: MIT
# Sourced by the scripts that build Qt and libraries from Debian's source. Fetches a Debian
# source package with apt through a sources list and state folder of our own, so that the
# machine's apt configuration is never touched and no deb-src entry needs to be enabled on it:
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

# Qt 6.4.2's qtbase, the Linux build's version, as Debian's .orig tarball (without Debian's
# patches): qtbase_source WORK leaves WORK/src/$qtbase_tarball, checked.
qtbase_tarball=qt6-base_6.4.2+dfsg.orig.tar.xz
qtbase_source() {
    debian_source "$1" qt6-base=6.4.2+dfsg-10 "$qtbase_tarball" \
        4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e
}
