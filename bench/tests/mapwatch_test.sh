#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Checks mapwatch on a private Xvfb: it times the window of the program it
# started and no other, reports a plausible peak memory, gives up at once on a
# program that ends or never starts, and leaves nothing running.
# Usage: mapwatch_test.sh MAPWATCH BARE_WINDOW
# The checks and the clean-up run through check and the trap, not inline,
# which shellcheck takes for functions never called and code never reached.
# shellcheck disable=SC2317,SC2329
set -euo pipefail
watch=$1
bare=$2
# shellcheck source=SCRIPTDIR/../../window/tests/privatedisplay.sh
source "$(dirname "$0")/../../window/tests/privatedisplay.sh"
work=$(mktemp -d)
display_pid=
decoy=
cleanup() {
    for pid in $decoy $display_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
open_private_display "$work"

passed=0
failed=0
# check DESCRIPTION COMMAND...: counts the command's outcome.
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
        passed=$((passed + 1))
    else
        echo "FAIL: $what (printed: $(cat "$work/out" "$work/err"))"
        failed=$((failed + 1))
    fi
}
# Runs mapwatch; sets status, and ms and kib from what it printed.
run_watch() {
    status=0
    ms=0
    kib=0
    "$watch" "$@" >"$work/out" 2>"$work/err" || status=$?
    read -r ms _ kib _ <"$work/out" || true
}
exited() { [ "$status" = "$1" ]; }
printed_figures() { exited 0 && [[ $(cat "$work/out") =~ ^[0-9]+\.[0-9]\ ms\ [0-9]+\ kB$ ]]; }
took_at_least() { awk -v t="$ms" -v least="$1" 'BEGIN { exit !(t >= least) }'; }
no_bare_window() { ! xwininfo -root -children | grep -q '"Bare window"'; }

run_watch "$bare"
check "a window is timed" printed_figures
check "a Qt window takes more than 1 MB" test "$kib" -gt 1024
# The X server drops the window once it sees the killed program's connection close.
for _ in $(seq 300); do no_bare_window && break; sleep 0.1; done
check "the program is killed once timed" no_bare_window

# Another program's window, mapped while the watched one still sleeps, is not its.
sh -c "sleep 0.3; exec '$bare'" 2>/dev/null &
decoy=$!
run_watch sh -c "sleep 1; exec '$bare'"
check "only the started process's window counts" took_at_least 1000
kill "$decoy"
wait "$decoy" 2>/dev/null || true
decoy=

start=$SECONDS
run_watch /bin/true
check "a program that ends without a window fails" exited 1
# Not left waiting for the 30 s it allows a window to appear.
check "and fails without waiting for a window" test $((SECONDS - start)) -lt 25
run_watch "$work/missing-program"
check "a program that cannot start fails" exited 1
run_watch
check "no program is a usage error" exited 2

echo "$passed passed, $failed failed"
exit $((failed > 0))
