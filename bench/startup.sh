#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Compares the converter's start-up with that of a bare Qt window of the same
# size: both run in turn on a private Xvfb, each timed from its start until its
# window is mapped, with its peak memory read at that moment.
# Usage: bench/startup.sh BUILD_DIR [RUNS]   (RUNS of each, at least 11, 21 by default)
set -euo pipefail
usage="usage: startup.sh BUILD_DIR [RUNS]"
build=${1:?$usage}
runs=${2:-21}
target=1.3

fail() {
    echo "startup.sh: $*" >&2
    exit 1
}
if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 11)); then
    fail "RUNS must be a number of at least 11; $usage"
fi
converter=$build/app/roman-converter
bare=$build/bench/bare-window
watch=$build/bench/mapwatch
for program in "$converter" "$bare" "$watch"; do
    [ -x "$program" ] || fail "$program is not built"
done

# shellcheck source=privatedisplay.sh
source "$(dirname "$0")/privatedisplay.sh"
work=$(mktemp -d)
display_pid=
cleanup() {
    if [ -n "$display_pid" ]; then
        kill "$display_pid" 2>/dev/null || true
        wait "$display_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
open_private_display "$work" || fail "no X display"

# One line "MILLISECONDS ms KIB kB" per run into the program's file.
measure() {
    "$watch" "$1" 2>>"$work/programs.log" >>"$2" || fail "$1 failed: $(tail -n 5 "$work/programs.log")"
}

# A first run of each fills the page cache and the font cache for both alike.
measure "$converter" /dev/null
measure "$bare" /dev/null
for ((run = 1; run <= runs; ++run)); do
    # Swapping which goes first each round spreads any drift over both.
    if ((run % 2)); then
        measure "$converter" "$work/converter"
        measure "$bare" "$work/bare"
    else
        measure "$bare" "$work/bare"
        measure "$converter" "$work/converter"
    fi
done

# The median of one column of a program's file.
median() {
    cut -d' ' -f"$2" "$1" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
converter_ms=$(median "$work/converter" 1)
bare_ms=$(median "$work/bare" 1)
ratio=$(awk -v a="$converter_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", a / b }')
met=$(awk -v r="$ratio" -v t="$target" 'BEGIN { print (r <= t) ? "met" : "NOT met" }')

echo "Start-up until the window is mapped, median of $runs runs each (Xvfb $DISPLAY):"
printf '  %-16s %8s ms   peak memory %7s kB\n' roman-converter "$converter_ms" \
    "$(median "$work/converter" 3)" bare-window "$bare_ms" "$(median "$work/bare" 3)"
echo "  ratio $ratio; within ${target}x of the bare window: $met"
