#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program under several locales, one of them writing decimals with neither "." nor ","
# (ar_EG: U+066B). Under each it must start, paint, show the separation readout with that
# locale's separator, and end normally by its close box. The readout's exact layout is checked
# offscreen by locale_readout_test.
# Usage: locales_e2e.sh FALORYS SEND_CLOSE_REQUEST
set -euo pipefail

source "$(dirname "$0")/../e2e/e2e_common.sh"

falorys=$1
send_close_request=$2

declare -A readout
for locale in pl_PL.UTF-8 en_US.UTF-8 de_DE.UTF-8 C ar_EG.UTF-8; do
    if [ "$locale" != C ]; then
        locale -a | grep -qix "${locale%.UTF-8}.utf8" ||
            fail "$locale is not generated (scripts/install-deps.sh generates it)"
    fi
    program_stderr=$work/stderr-$locale
    # The interface in Polish under each (LANGUAGE); the locale still writes the numbers.
    start_program env LC_ALL="$locale" LANG="$locale" LANGUAGE=pl
    wait_for_centre 7A00FF
    shoot_client "$locale"
    expect_pixel "$locale" 8 140 1A0036 "$locale: strip edge at 380 nm"
    # The separation readout "0?020 [mm]" right of its label.
    readout[$locale]=$(region "$locale" 548 246 60 14)
    "$send_close_request" "$wid"
    wait_for_exit 0 "$locale: close box"
    if [ "$locale" != C ] && grep -q 'Detected locale' "$program_stderr"; then
        fail "$locale: Qt fell back from it: $(cat "$program_stderr")"
    fi
done

same() { [ "${readout[$1]}" = "${readout[$2]}" ] || fail "the readouts of $1 and $2 differ"; }
differ() { [ "${readout[$1]}" != "${readout[$2]}" ] || fail "$1 and $2 show the same separator"; }
same pl_PL.UTF-8 de_DE.UTF-8
same en_US.UTF-8 C
differ pl_PL.UTF-8 en_US.UTF-8
differ ar_EG.UTF-8 en_US.UTF-8
differ ar_EG.UTF-8 pl_PL.UTF-8
echo "locales: all checks passed"
