#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Runs the built program in a real X server with the accessibility bus up, as
# a screen reader meets it, and checks what the bus carries or what the
# screen reader says.
# Usage: atspi_test.sh PROGRAM tree
#   the window's role and name, the heading's role, Clear's description;
# Usage: atspi_test.sh PROGRAM announcements QT_VERSION
#   what is announced after each button, the window driven by the keyboard
#   alone: Qt 6.8 and later send announcements, Qt before that shows a
#   notification;
# Usage: atspi_test.sh PROGRAM orca QT_VERSION
#   what the Orca screen reader says, from its debug log: the window's title
#   on request, Clear's description, and each button's result, once.
# The buses, and Orca above all, may take minutes to start on a busy machine.

source "$(dirname "$0")/orca_session.sh"
[ "$2" != orca ] || orca_alone "$@"

patience=300
source "$(dirname "$0")/xvfb_session.sh"
program=$1
mode=$2

announcement=notification
if [ "$mode" != tree ]; then
    IFS=. read -r major minor _ <<<"$3"
    if [ "$major" -gt 6 ] || { [ "$major" -eq 6 ] && [ "$minor" -ge 8 ]; }; then
        announcement=announcement
    fi
fi

# What the window says of itself and after each button.
converted="Арабско число: 14. Римското число е изписано с главни букви."
numeral="Римско число: XIV."
refused="Арабското число е изтрито."
cleared="Двете полета са изчистени."
clear_description="Изчиства и двете полета: римското и арабското число."

start_accessibility_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

if [ "$mode" = tree ]; then
    start_session "$program"
    "$python" "$probe" tree "$caption" >"$work/tree" || fail "the probe found no window"
    expected="window role: frame
window name: $caption
heading role: heading
clear description: $clear_description"
    [ "$(cat "$work/tree")" = "$expected" ] ||
        fail "the accessibility bus shows:"$'\n'"$(cat "$work/tree")"$'\n'"expected:"$'\n'"$expected"
    still_running
    echo "window, heading and Clear as expected on the accessibility bus"
    exit 0
fi

announced_at_least() { [ "$(wc -l <"$work/announced")" -ge "$1" ]; }
# expect_announcement N TEXT WHAT: the Nth announcement is TEXT.
expect_announcement() {
    wait_for "announcement $1 ($3)" announced_at_least "$1"
    local got
    got=$(sed -n "$1p" "$work/announced")
    [ "$got" = "$2" ] || fail "$3: announced '$got', expected '$2'"
}

if [ "$mode" = orca ]; then
    start_display 1
    start_orca
    # The window comes up only once Orca listens, as on a desktop where the
    # screen reader runs before the user starts a program: it speaks the
    # window and the focus in it.
    start_program "$program"
    xdotool windowfocus --sync "$window"
    wait_for "Orca to read the help box" with_orca said_since 0 "Помощ: римската бройна система"
    mark=$(lines)
    xdotool key --clearmodifiers Tab
    wait_for "Orca to read the Roman box" with_orca said_since "$mark" "Приема всяко римско число"

    mark=$(lines)
    xdotool key --clearmodifiers Insert+KP_Enter
    wait_for "Orca to speak the title bar" with_orca said_since "$mark" "SPEECH OUTPUT: '$caption'"
    mark=$(lines)
    xdotool key --clearmodifiers Tab Tab Tab Tab
    wait_for "Orca to describe Clear" with_orca said_since "$mark" "$clear_description"

    # From Clear round to the Roman box, then on through each button.
    xdotool key --clearmodifiers Tab Tab
    xdotool type --delay 15 xiv
    xdotool key --clearmodifiers Tab space
    wait_for "Orca to speak the conversion" with_orca said_since "$mark" "$converted"
    xdotool key --clearmodifiers Tab
    xdotool type --delay 15 5000
    xdotool key --clearmodifiers Tab space
    wait_for "Orca to speak the refusal" with_orca said_since "$mark" "$refused"
    xdotool key --clearmodifiers Tab space
    wait_for "Orca to speak Clear" with_orca said_since "$mark" "$cleared"
    still_running
    speech_since 0
    for text in "$converted" "$refused" "$cleared"; do
        count=$(times_said "$text")
        [ "$count" = 1 ] || fail "Orca said '$text' $count times"
    done
    exit 0
fi

touch "$work/announced"
"$python" "$probe" listen "$work/announced" "$announcement" >"$work/listener.out" 2>"$work/listener.err" &
pids+=($!)
wait_for "the listener to register" grep -qx listening "$work/listener.out"
start_session "$program"
# The screen reader's user works with the keyboard only. Focus starts in the
# help box; Tab goes on to the Roman box, its Calculate, the Arabic box, its
# Calculate and Clear.
xdotool windowfocus --sync "$window"

xdotool key --clearmodifiers Tab
xdotool type --delay 15 xiv
xdotool key --clearmodifiers Tab space
expect_announcement 1 "$converted" "Roman to Arabic"

xdotool key --clearmodifiers Tab
xdotool type --delay 15 14
xdotool key --clearmodifiers Tab space
expect_announcement 2 "$numeral" "Arabic to Roman"

xdotool key --clearmodifiers shift+Tab ctrl+a
xdotool type --delay 15 5000
xdotool key --clearmodifiers Tab space
expect_announcement 3 "$refused" "a refused number"

xdotool key --clearmodifiers Tab space
expect_announcement 4 "$cleared" "Clear"
[ "$(wc -l <"$work/announced")" = 4 ] || fail "more announcements than presses: $(cat "$work/announced")"
still_running
echo "announced:"
cat "$work/announced"
