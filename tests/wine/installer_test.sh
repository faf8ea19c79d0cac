#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installer in a fresh Wine prefix, silently as for a computer room, for the user and then
# for all users: the program, its two Start menu shortcuts and its "Apps & features" entry are
# there, the installed program exports, and the uninstaller takes away every file and registry
# key the installer made.
# Usage: installer_test.sh SETUP.EXE VERSION
set -euo pipefail
setup=$1
version=$2

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY # no window is needed: silent mode and an export
finish() {
    local rc=$?
    wineserver -k 2>/dev/null || true
    if [ "$rc" -ne 0 ]; then echo "prefix kept in $work" >&2; else rm -rf "$work"; fi
}
trap finish EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

wine wineboot -i >/dev/null 2>&1
wineserver -w
drive=$WINEPREFIX/drive_c
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Falorys'

# What the prefix holds: its files, and its registry keys (written out once Wine has stopped).
snapshot() { # name
    wineserver -w
    (cd "$drive" && find . | sort) >"$work/$1.files"
    grep -h '^\[' "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" | sed 's/\] [0-9]*$/]/' |
        sort >"$work/$1.keys"
}

for mode in user all; do
    snapshot before
    if [ "$mode" = all ]; then
        wine "$setup" /S /AllUsers || fail "the installation for all users failed"
        root=HKLM
        folder='C:\Program Files\Falorys'
        menu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs
    else
        wine "$setup" /S || fail "the installation for the user failed"
        root=HKCU
        folder=$(wine cmd /c 'echo %LOCALAPPDATA%\Programs\Falorys' | tr -d '\r')
        menu=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs
    fi
    wineserver -w
    for file in falorys.exe uninstall.exe; do
        [ -f "$(winepath -u "$folder\\$file")" ] || fail "$mode: $folder\\$file is missing"
    done
    for shortcut in "Falorys.lnk" "Falorys — tryb prezentacji.lnk"; do
        [ -f "$menu/$shortcut" ] || fail "$mode: no Start menu shortcut $shortcut"
    done
    entry=$(wine reg query "$root\\$key" | tr -d '\r')
    for value in "DisplayName    REG_SZ    Falorys" "DisplayVersion    REG_SZ    $version" \
        "Publisher    REG_SZ    The Falorys developers" "UninstallString    REG_SZ    \"$folder\\uninstall.exe\""; do
        grep -qF "$value" <<<"$entry" || fail "$mode: the uninstall entry lacks: $value"
    done

    wine "$folder\\falorys.exe" --lambda 650 --export-csv 'C:\dane.csv' ||
        fail "$mode: the installed program did not export"
    [ "$(wc -l <"$drive/dane.csv")" -eq 362 ] || fail "$mode: the export is not whole"
    rm "$drive/dane.csv"

    wine "$folder\\uninstall.exe" /S || fail "$mode: the uninstaller failed"
    snapshot after
    # The uninstaller runs from a copy in the temporary folder, which Windows clears later.
    grep -v '^\./users/[^/]*/Temp/' "$work/after.files" >"$work/after-kept.files" || true
    grep -v '^\./users/[^/]*/Temp/' "$work/before.files" >"$work/before-kept.files" || true
    left=$(comm -13 "$work/before-kept.files" "$work/after-kept.files")
    [ -z "$left" ] || fail "$mode: files left behind: $left"
    left=$(comm -13 "$work/before.keys" "$work/after.keys")
    [ -z "$left" ] || fail "$mode: registry keys left behind: $left"
done
echo "installer under Wine: all checks passed"
