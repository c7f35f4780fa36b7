# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Shared by the real-window tests: a private X server, the program in it, and
# a person's hands (mouse, keyboard, clipboard). Source it, then call
# start_session PROGRAM SCALE.
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

caption='www.example.org  Математика - непозиционна бр. система'

# Points inside the controls, in the window's logical pixels.
roman_box=(60 104)
roman_calculate=(248 104)
clear_button=(360 104)
arabic_box=(60 176)
arabic_calculate=(248 176)

# Starts Xvfb big enough for the scaled window, then the program, and waits
# for its window; sets window, scale, X, Y, WIDTH and HEIGHT.
start_session() {
    local program=$1
    scale=${2:-1}
    Xvfb -displayfd 3 -screen 0 "$((1024 * scale))x$((768 * scale))x24" -nolisten tcp \
        3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(cat "$work/display")"
    export XDG_RUNTIME_DIR=$work
    export QT_SCALE_FACTOR=$scale
    unset QT_QPA_PLATFORM

    "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n 1) ||
        fail "no window captioned '$caption'"
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

click() {
    xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) click 1
    sleep 0.1
}
type_into() {
    click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 15 "$3"
}
# Prints a box's text as the clipboard gets it from the program.
read_box() {
    # An empty box copies nothing, so the clipboard is emptied first.
    printf '' | xclip -i -selection clipboard >/dev/null 2>&1
    click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard 2>/dev/null || true
}
expect_box() {
    local got
    got=$(read_box "$1" "$2")
    [ "$got" = "$3" ] || fail "$4: box shows '$got', expected '$3'"
}
still_running() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.log")"
}
