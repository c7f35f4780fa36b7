#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Runs the built program as a native Wayland client of a private, headless
# weston, and checks what it asks of the compositor: its title, its app id,
# a size that cannot change, and nothing printed besides the protocol log.
# Usage: wayland_window_test.sh PROGRAM
# shellcheck source=testsession.sh
source "$(dirname "$0")/testsession.sh"
# The protocol log is compared byte for byte, whatever the caller's locale.
export LC_ALL=C

program=$1
caption='www.example.org  Математика - непозиционна бр. система'
app_id=org.example.RomanConverter
width=461
height=425

# weston and the program share a runtime folder of their own, which Wayland
# wants private to its user, and no X display to fall back on.
runtime="$work/runtime"
mkdir -m 0700 "$runtime"
socket=roman-converter-test
session=(env -i "PATH=$PATH" "XDG_RUNTIME_DIR=$runtime")

"${session[@]}" weston --backend=headless-backend.so --socket="$socket" --no-config \
    --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
poll test -S "$runtime/$socket" || fail "weston did not start: $(cat "$work/weston.log")"

# With WAYLAND_DEBUG=client libwayland writes every request the program makes
# and every event it receives to standard error, one line each. The program
# runs in a UTF-8 locale, as on any desktop; without one Qt says it takes one.
"${session[@]}" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" \
    WAYLAND_DEBUG=client "$program" >"$work/program.out" 2>"$work/program.err" &
program_pid=$!
pids+=("$program_pid")

# A line of that log: a time stamp (milliseconds, or from libwayland 1.26 on
# the wall-clock time, [hh:mm:ss.micro]), from 1.23 on the name of the event
# queue in braces, an arrow for a request, then the message, which names an
# object as interface@id, or from 1.23 on as interface#id.
stamp='^\[ *[0-9]+(:[0-9]{2})*\.[0-9]+\] +(\{[^}]*\} +)?'
protocol="$stamp(-> )?(discarded )?[a-z0-9_]+[@#][0-9]+\\.[a-z0-9_]+\\("
ended() {
    kill -0 "$program_pid" 2>/dev/null && return 1
    fail "the program ended: $(grep -Ev "$protocol" "$work/program.err" | tail -n 20)"
}
# The compositor tells a surface it is on an output once it shows it.
mapped() {
    ended || grep -Eq "${stamp}wl_surface[@#][0-9]+\\.enter\\(" "$work/program.err"
}
poll mapped || fail "the window never appeared: $(tail -n 20 "$work/program.err")"
# Shown, and still running.
ended || true
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true

other=$(grep -Ev "$protocol" "$work/program.err" || true)
[ -z "$other" ] || fail "the program printed: $other"
[ ! -s "$work/program.out" ] || fail "the program printed: $(cat "$work/program.out")"

# Prints the arguments of the last request INTERFACE REQUEST, as libwayland
# shows them.
last_request() {
    grep -E -- "-> $1[@#][0-9]+\\.$2\\(" "$work/program.err" | tail -n 1 |
        sed -E 's/^[^(]*\((.*)\)$/\1/'
}

[ "$(last_request xdg_toplevel set_title)" = "\"$caption\"" ] ||
    fail "title is $(last_request xdg_toplevel set_title), expected \"$caption\""
[ "$(last_request xdg_toplevel set_app_id)" = "\"$app_id\"" ] ||
    fail "app id is $(last_request xdg_toplevel set_app_id), expected \"$app_id\""

# The window geometry holds the decorations Qt draws itself where the
# compositor draws none (weston draws none), so the window's own 461 x 425 is
# the opaque part Qt declares inside it; with decorations drawn by the
# compositor the geometry is the window itself.
geometry=$(last_request xdg_surface set_window_geometry)
opaque=$(last_request wl_region add)
read -r gx gy gw gh <<<"${geometry//,/ }"
read -r ox oy ow oh <<<"${opaque//,/ }"
[ -n "$gh" ] || fail "no window geometry set"
if [ "${gw}x${gh}" != "${width}x${height}" ]; then
    [ "${ow}x${oh}" = "${width}x${height}" ] ||
        fail "window geometry ${gw}x${gh} holds ${ow}x${oh}, not ${width}x${height}"
    if [ "$ox" -lt "$gx" ] || [ "$oy" -lt "$gy" ] ||
        [ "$((ox + ow))" -gt "$((gx + gw))" ] || [ "$((oy + oh))" -gt "$((gy + gh))" ]; then
        fail "the window ($opaque) lies outside its geometry ($geometry)"
    fi
fi

# A fixed size: the least and the greatest size the same, either the window's
# own or with its decorations (Qt 6.4 sends the former, before it adds them).
min=$(last_request xdg_toplevel set_min_size)
max=$(last_request xdg_toplevel set_max_size)
if [ -z "$min" ] || [ "$min" != "$max" ]; then
    fail "resizable: least size ($min), greatest ($max)"
fi
[ "$min" = "$width, $height" ] || [ "$min" = "$gw, $gh" ] ||
    fail "fixed at ${min/, /x}, neither ${width}x${height} nor the geometry ${gw}x${gh}"

echo "title, app id, geometry ${gw}x${gh} holding ${ow:-$gw}x${oh:-$gh}, fixed at ${min/, /x}"
