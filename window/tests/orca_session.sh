# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The Orca screen reader in a private session, for the tests that listen to
# what it says of the window and of the page: a session bus with the
# accessibility bus on it, a silent speech-dispatcher, and Orca's debug log,
# which has a line for everything it says.
# Usage: source orca_session.sh; orca_alone "$@" (before anything else);
# source xvfb_session.sh; start_accessibility_bus; start_display 1;
# start_orca; then said_since, speech_since, times_said and with_orca.
# work, pids and wait_for are testsession.sh's, sourced after orca_alone.
# shellcheck shell=bash disable=SC2154

# Orca will not start where another Orca of the same user runs (a blind
# developer's own, or a test run twice at once). So the script runs again in
# a process namespace of its own, where no process of the system's shows and
# all of its own end with it; where none can be had, it runs as it is, and
# skips if another Orca runs. Call it with the script's arguments.
orca_alone() {
    [ -z "${ORCA_OWN_PROCESSES:-}" ] || return 0
    local own=(unshare --pid --mount-proc --kill-child) comm
    [ "$(id -u)" -eq 0 ] || own=(unshare --map-current-user "${own[@]:1}")
    if "${own[@]}" true 2>/dev/null; then
        ORCA_OWN_PROCESSES=1 exec "${own[@]}" "$0" "$@"
    fi
    for comm in /proc/[0-9]*/comm; do
        if [ -O "$comm" ] && [ "$(cat "$comm" 2>/dev/null)" = orca ]; then
            echo "skipped: another Orca of this user runs, and no process namespace can be had to run one beside it"
            exit 77
        fi
    done
}

# Debian's pyatspi is for Debian's own Python.
python=/usr/bin/python3
probe=$(dirname "${BASH_SOURCE[0]}")/atspi_probe.py

# A private session bus, and on it the accessibility bus with its registry,
# as a desktop session starts them; programs started later join it. The
# accessibility bus's socket goes into the runtime folder, or without one
# into ~/.cache: a folder of the test's own, not to take the place of the
# user's own bus, or of another test's that runs at the same time.
start_accessibility_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" \
        >"$work/dbus.log" 2>&1 &
    pids+=($!)
    wait_for "the session bus" test -s "$work/bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
    mkdir -m 700 "$work/accessibility"
    XDG_RUNTIME_DIR=$work/accessibility /usr/libexec/at-spi-bus-launcher --launch-immediately \
        >"$work/launcher.log" 2>&1 &
    pids+=($!)
}

# Starts Orca on the display and waits until it listens. Orca speaks into
# speech-dispatcher, here one of our own with its silent module; it writes its
# debug log line by line when its customisations ask for that. They also keep
# it from reading a web page through once it has loaded, so that what it says
# after a key is that key's. HOME is a fresh one in the scratch folder, for
# them and for whatever starts after.
start_orca() {
    export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share
    mkdir -p "$HOME/.config/speech-dispatcher" "$XDG_DATA_HOME/orca"
    printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' \
        >"$HOME/.config/speech-dispatcher/speechd.conf"
    printf '%s\n' 'import orca.debug, orca.settings' \
        'if orca.debug.debugFile: orca.debug.debugFile.reconfigure(line_buffering=True)' \
        'orca.settings.sayAllOnLoad = False' >"$XDG_DATA_HOME/orca/orca-customizations.py"
    # A desktop's window manager gives the input focus to a window; Xvfb has
    # none at first, and at-spi2-core 2.62 grabs Orca's keys on the focused
    # window, failing them all without one. The root window holds it, as
    # under a window manager with nothing open, until a program's window
    # takes it.
    xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id:/ { print $4 }')"
    speech-dispatcher --run-single --timeout 0 >"$work/speechd.log" 2>&1 &
    pids+=($!)
    orca --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
    orca_pid=$!
    pids+=("$orca_pid")
    # Orca listens once it has registered for focus changes; a program started
    # only then is met as on a desktop where the screen reader runs before the
    # user starts it.
    wait_for "Orca to listen" with_orca "$python" "$probe" listened Object:StateChanged:Focused
}

# speech_since N: what Orca has said in the log's lines after line N.
speech_since() {
    tail -n +"$(($1 + 1))" "$work/orca.log" 2>/dev/null | grep -a 'SPEECH OUTPUT:' || true
}
# said_since N TEXT: Orca has said TEXT, alone or within a longer utterance,
# after line N.
said_since() { speech_since "$1" | grep -aqF -- "$2"; }
# times_said TEXT: how many of Orca's utterances held TEXT.
times_said() { speech_since 0 | grep -acF -- "$1" || true; }
lines() { wc -l <"$work/orca.log"; }
# with_orca COMMAND...: the command, once Orca is known to run still; every
# wait for Orca so ends at once if Orca does, with what it said.
with_orca() {
    kill -0 "$orca_pid" 2>/dev/null || fail "Orca ended: $(tail -n 20 "$work/orca.out")"
    "$@"
}
