#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Times a million pasted characters in each box of the real window: runs the
# huge-paste test RUNS times and reports the median of the times it prints,
# from the click on Calculate until the result is read back (xdotool's and
# xclip's own start-up included).
# Usage: bench/paste.sh BUILD_DIR [RUNS]   (5 by default)
set -euo pipefail
build=${1:?usage: paste.sh BUILD_DIR [RUNS]}
runs=${2:-5}
test_script=$(dirname "$0")/../window/tests/xvfb_huge_paste_test.sh
# shellcheck source=benchfigures.sh
source "$(dirname "$0")/benchfigures.sh"
program=$build/app/roman-converter
[ -x "$program" ] || { echo "paste.sh: $program is not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ((run = 1; run <= runs; ++run)); do
    "$test_script" "$program" | sed -n 's/.* shown in \([0-9]*\) ms .* refused in \([0-9]*\) ms$/\1 \2/p' \
        >>"$work/times"
done
echo "A million characters pasted, median of $runs runs (range):"
printf '  Roman box converted and shown: %s ms (%s)\n' "$(median "$work/times" 1)" \
    "$(range "$work/times" 1)"
printf '  Arabic box refused:            %s ms (%s)\n' "$(median "$work/times" 2)" \
    "$(range "$work/times" 2)"
