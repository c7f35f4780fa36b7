# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# shellcheck shell=bash
# A private X server to run programs on as a user would: a real X display, no
# Qt platform override, no plugin tracing, and a runtime folder of their own.
# Used by the real-window tests and by the benchmarks.
# Usage: source privatedisplay.sh; open_private_display WORK_DIR [SCALE]
# The screen is 1024 x 768 times SCALE (1 by default), room for the window
# drawn at that scale. Exports DISPLAY and XDG_RUNTIME_DIR and sets
# display_pid, for the caller to kill. Gives up after a minute.
open_private_display() {
    local work=$1 scale=${2:-1}
    # Without -noreset the server resets whenever its last client leaves, as
    # each measured program does, and refuses connections while it resets.
    Xvfb -displayfd 3 -screen 0 "$((1024 * scale))x$((768 * scale))x24" -nolisten tcp -noreset \
        3>"$work/display" 2>"$work/xvfb.log" &
    # shellcheck disable=SC2034 # for the caller to stop
    display_pid=$!
    local deadline=$((SECONDS + 60))
    until [ -s "$work/display" ] || [ "$SECONDS" -ge "$deadline" ]; do sleep 0.1; done
    if ! [ -s "$work/display" ]; then
        echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2
        return 1
    fi
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM QT_DEBUG_PLUGINS QT_LOGGING_RULES
}
