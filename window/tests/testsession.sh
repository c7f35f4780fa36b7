# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Shared by the tests that run the built program: a scratch folder, the
# processes they start (ended on exit), failing with a reason, and patient
# waits. Nothing is timed: a wait polls until what it waits for has happened,
# and gives up only after a long hang guard, a minute unless a test sets
# patience (in seconds), so a slow or busy machine passes as an idle one does.
# shellcheck shell=bash
set -euo pipefail

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

patience=${patience:-60}
# poll COMMAND...: runs the command until it succeeds, ten times a second;
# fails once $patience s of wall time have passed, however long each try takes.
poll() {
    local deadline=$((SECONDS + patience))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
# wait_for DESCRIPTION COMMAND...: polls, and fails the test if it gives up.
wait_for() {
    local what=$1
    shift
    poll "$@" || fail "gave up after $patience s waiting for $what"
}
