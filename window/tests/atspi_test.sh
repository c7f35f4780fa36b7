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

# Orca will not start where another Orca of the same user runs (a blind
# developer's own, or this test run twice at once). So the Orca test runs in a
# namespace of its own, where no process of the system's shows and all of its
# own end with it; where none can be had, it runs as it is, unless another
# Orca runs.
if [ "$2" = orca ] && [ -z "${ATSPI_TEST_OWN_PROCESSES:-}" ]; then
    own=(unshare --pid --mount-proc --kill-child)
    [ "$(id -u)" -eq 0 ] || own=(unshare --map-current-user "${own[@]:1}")
    if "${own[@]}" true 2>/dev/null; then
        ATSPI_TEST_OWN_PROCESSES=1 exec "${own[@]}" "$0" "$@"
    fi
    for comm in /proc/[0-9]*/comm; do
        if [ -O "$comm" ] && [ "$(cat "$comm" 2>/dev/null)" = orca ]; then
            echo "skipped: another Orca of this user runs, and no process namespace can be had to run one beside it"
            exit 77
        fi
    done
fi

patience=300
source "$(dirname "$0")/xvfb_session.sh"
program=$1
mode=$2
probe=$(dirname "$0")/atspi_probe.py

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

# said_since N TEXT: Orca has said TEXT, alone or within a longer
# utterance, in a log line after line N.
said_since() {
    tail -n +"$(($1 + 1))" "$work/orca.log" 2>/dev/null | grep -a 'SPEECH OUTPUT:' |
        grep -aqF -- "$2"
}
lines() { wc -l <"$work/orca.log"; }
# with_orca COMMAND...: the command, once Orca is known to run still; every
# wait for Orca so ends at once if Orca does, with what it said.
with_orca() {
    kill -0 "$orca_pid" 2>/dev/null || fail "Orca ended: $(tail -n 20 "$work/orca.out")"
    "$@"
}

if [ "$mode" = orca ]; then
    # Orca speaks into speech-dispatcher, here one of our own with its
    # silent module; its debug log has a line for everything it says, which
    # it writes line by line when its customisations ask for that.
    export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share
    mkdir -p "$HOME/.config/speech-dispatcher" "$XDG_DATA_HOME/orca"
    printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' \
        >"$HOME/.config/speech-dispatcher/speechd.conf"
    printf '%s\n' 'import orca.debug' \
        'if orca.debug.debugFile: orca.debug.debugFile.reconfigure(line_buffering=True)' \
        >"$XDG_DATA_HOME/orca/orca-customizations.py"
    start_display 1
    # A desktop's window manager gives the input focus to a window; Xvfb has
    # none at first, and at-spi2-core 2.62 grabs Orca's keys on the focused
    # window, failing them all without one. The root window holds it, as
    # under a window manager with nothing open, until the program's window
    # takes it.
    xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id:/ { print $4 }')"
    speech-dispatcher --run-single --timeout 0 >"$work/speechd.log" 2>&1 &
    pids+=($!)
    orca --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
    orca_pid=$!
    pids+=("$orca_pid")
    # Orca listens once it has registered for focus changes; the window comes
    # up only then, as on a desktop where the screen reader runs before the
    # user starts a program: it speaks the window and the focus in it.
    wait_for "Orca to listen" with_orca "$python" "$probe" listened Object:StateChanged:Focused
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
    grep -a 'SPEECH OUTPUT:' "$work/orca.log"
    for text in "$converted" "$refused" "$cleared"; do
        count=$(grep -a 'SPEECH OUTPUT:' "$work/orca.log" | grep -acF -- "$text") || true
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
