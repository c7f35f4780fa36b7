#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Runs the built program in a real X server with the accessibility bus up, as
# a screen reader meets it, and checks what the bus carries.
# Usage: atspi_test.sh PROGRAM tree
#   the window's role and name, the heading's role, Clear's description;
# Usage: atspi_test.sh PROGRAM announcements QT_VERSION
#   what is announced after a conversion, a refused number and Clear, the
#   window driven by the keyboard alone. Qt before 6.8 cannot announce, and
#   the test is skipped there (exit status 77).
source "$(dirname "$0")/xvfb_session.sh"
program=$1
mode=$2
probe=$(dirname "$0")/atspi_probe.py

if [ "$mode" = announcements ]; then
    IFS=. read -r major minor _ <<<"$3"
    if [ "$major" -lt 6 ] || { [ "$major" -eq 6 ] && [ "$minor" -lt 8 ]; }; then
        echo "SKIP: Qt $3 has no accessibility announcements; they come with Qt 6.8"
        exit 77
    fi
fi

# A private session bus, and on it the accessibility bus with its registry,
# as a desktop session starts them; the program joins it at once.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" \
    >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_for "the session bus" test -s "$work/bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Debian's pyatspi is for Debian's own Python.
python=/usr/bin/python3

if [ "$mode" = tree ]; then
    start_session "$program"
    "$python" "$probe" tree "$caption" >"$work/tree" || fail "the probe found no window"
    expected="window role: frame
window name: $caption
heading role: heading
clear description: Изчиства и двете полета: римското и арабското число."
    [ "$(cat "$work/tree")" = "$expected" ] ||
        fail "the accessibility bus shows:"$'\n'"$(cat "$work/tree")"$'\n'"expected:"$'\n'"$expected"
    still_running
    echo "window, heading and Clear as expected on the accessibility bus"
    exit 0
fi

touch "$work/announced"
"$python" "$probe" listen "$work/announced" >"$work/listener.out" 2>"$work/listener.err" &
pids+=($!)
wait_for "the listener to register" grep -qx listening "$work/listener.out"
start_session "$program"
# The screen reader's user works with the keyboard only. Focus starts in the
# help box; Tab goes on to the Roman box, its Calculate, the Arabic box, its
# Calculate and Clear.
xdotool windowfocus --sync "$window"

announced_at_least() { [ "$(wc -l <"$work/announced")" -ge "$1" ]; }
# expect_announcement N TEXT WHAT: the Nth announcement is TEXT.
expect_announcement() {
    wait_for "announcement $1 ($3)" announced_at_least "$1"
    local got
    got=$(sed -n "$1p" "$work/announced")
    [ "$got" = "$2" ] || fail "$3: announced '$got', expected '$2'"
}

xdotool key --clearmodifiers Tab
xdotool type --delay 15 xiv
xdotool key --clearmodifiers Tab space
expect_announcement 1 "Арабско число: 14. Римското число е изписано с главни букви." \
    "Roman to Arabic"

xdotool key --clearmodifiers Tab
xdotool type --delay 15 5000
xdotool key --clearmodifiers Tab space
expect_announcement 2 "Арабското число е изтрито." "a refused number"

xdotool key --clearmodifiers Tab space
expect_announcement 3 "Двете полета са изчистени." "Clear"
[ "$(wc -l <"$work/announced")" = 3 ] || fail "more announcements than presses: $(cat "$work/announced")"
still_running
echo "announced:"
cat "$work/announced"
