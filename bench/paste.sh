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
program=$build/app/roman-converter
[ -x "$program" ] || { echo "paste.sh: $program is not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ((run = 1; run <= runs; ++run)); do
    "$test_script" "$program" | sed -n 's/.* shown in \([0-9]*\) ms .* refused in \([0-9]*\) ms$/\1 \2/p' \
        >>"$work/times"
done
median() {
    cut -d' ' -f"$1" "$work/times" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo "A million characters pasted, median of $runs runs (range):"
printf '  Roman box converted and shown: %s ms (%s)\n' "$(median 1)" \
    "$(cut -d' ' -f1 "$work/times" | sort -n | sed -n '1p;$p' | paste -sd-)"
printf '  Arabic box refused:            %s ms (%s)\n' "$(median 2)" \
    "$(cut -d' ' -f2 "$work/times" | sort -n | sed -n '1p;$p' | paste -sd-)"
