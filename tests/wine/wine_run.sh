#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in the session that wine_session.sh started (its prefix
# and its virtual X screen):   wine_run.sh SESSION PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
session=$1
shift
[ -f "$session/environment" ] ||
    { echo "no Wine session in $session: run the tests through ctest" >&2; exit 1; }
source "$session/environment"
# Wine keeps the QT_ variables of Linux from Windows programs; it hands on WINEQT_ ones as QT_.
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep '^QT_[A-Za-z0-9_]*=')
exec wine "$@"
