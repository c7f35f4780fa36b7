#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Compares the converter's start-up with two floors: a bare Qt window of the
# same size, and that window with one label and one one-line box in the
# converter's font, which makes Qt load its fonts as any window with text
# does. All three run in turn on a private Xvfb, each timed from its start
# until its window is mapped, with its peak memory read at that moment.
# Usage: bench/startup.sh BUILD_DIR [RUNS]   (RUNS of each, at least 11, 21 by default)
set -euo pipefail
usage="usage: startup.sh BUILD_DIR [RUNS]"
build=${1:?$usage}
runs=${2:-21}
target=1.1

fail() {
    echo "startup.sh: $*" >&2
    exit 1
}
if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 11)); then
    fail "RUNS must be a number of at least 11; $usage"
fi
converter=$build/app/roman-converter
bare=$build/bench/bare-window
text=$build/bench/text-window
watch=$build/bench/mapwatch
for program in "$converter" "$bare" "$text" "$watch"; do
    [ -x "$program" ] || fail "$program is not built"
done

# shellcheck source=SCRIPTDIR/../window/tests/privatedisplay.sh
source "$(dirname "$0")/../window/tests/privatedisplay.sh"
# shellcheck source=benchfigures.sh
source "$(dirname "$0")/benchfigures.sh"
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

# A first run of each fills the page cache and the font cache for all alike.
names=(converter bare text)
programs=("$converter" "$bare" "$text")
for program in "${programs[@]}"; do measure "$program" /dev/null; done
for ((run = 0; run < runs; ++run)); do
    # Turning which goes first each round spreads any drift over all three.
    for ((i = 0; i < 3; ++i)); do
        j=$(((run + i) % 3))
        measure "${programs[j]}" "$work/${names[j]}"
    done
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
met() { awk -v r="$1" -v t="$target" 'BEGIN { print (r <= t) ? "met" : "NOT met" }'; }

echo "Start-up until the window is mapped, median of $runs runs each (Xvfb $DISPLAY):"
declare -A ms kb
for name in converter bare text; do
    ms[$name]=$(median "$work/$name" 1)
    kb[$name]=$(median "$work/$name" 3)
done
printf '  %-16s %8s ms   peak memory %7s kB\n' roman-converter "${ms[converter]}" "${kb[converter]}" \
    bare-window "${ms[bare]}" "${kb[bare]}" text-window "${ms[text]}" "${kb[text]}"
time_to_text=$(ratio "${ms[converter]}" "${ms[text]}")
memory_to_text=$(ratio "${kb[converter]}" "${kb[text]}")
echo "  to the bare window: time $(ratio "${ms[converter]}" "${ms[bare]}")x," \
    "memory $(ratio "${kb[converter]}" "${kb[bare]}")x"
echo "  to the text window: time ${time_to_text}x ($(met "$time_to_text") within ${target}x)," \
    "memory ${memory_to_text}x ($(met "$memory_to_text") within ${target}x)"
