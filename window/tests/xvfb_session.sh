# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Shared by the real-window tests: a private X server, the program in it, and
# a person's hands (mouse, keyboard, clipboard). Source it, then call
# start_session PROGRAM SCALE.
# The variables it sets are for the scripts that source it.
# shellcheck shell=bash disable=SC2034
# shellcheck source=testsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/testsession.sh"
# shellcheck source=privatedisplay.sh
source "$(dirname "${BASH_SOURCE[0]}")/privatedisplay.sh"

# The caption is Cyrillic: xdotool and xprop match and print it only in a
# UTF-8 locale, whatever locale the caller has or lacks.
export LC_ALL=C.UTF-8
offer_pid=

caption='www.example.org  Математика - непозиционна бр. система'

# Points inside the controls, in the window's logical pixels.
roman_box=(60 104)
roman_calculate=(248 104)
clear_button=(360 104)
arabic_box=(60 176)
arabic_calculate=(248 176)
help_box=(200 300)

# Starts Xvfb big enough for the scaled window, then the program, and waits
# for its window; sets window, scale, X, Y, WIDTH and HEIGHT.
start_session() {
    start_display "${2:-1}"
    start_program "$1"
}

# Starts Xvfb big enough for the window at scale $1; sets scale and DISPLAY.
start_display() {
    scale=$1
    local opened=0
    open_private_display "$work" "$scale" || opened=$?
    pids+=("$display_pid")
    [ "$opened" -eq 0 ] || fail "no X display"
    export QT_SCALE_FACTOR=$scale
}

# Starts the program $1 on that display and waits for its window; sets
# window, X, Y, WIDTH and HEIGHT. PROGRAM_LAUNCHER, when set, is the command
# that runs it (Wine, for the Windows program).
start_program() {
    local program=$1 launcher
    read -ra launcher <<<"${PROGRAM_LAUNCHER:-}"
    "${launcher[@]}" "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n 1) ||
        fail "no window captioned '$caption'"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    printf 'nothing copied yet' >"$work/placeholder"
}

click() {
    xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) click 1
}
type_into() {
    click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 15 "$3"
}

# Puts the file $1 on the clipboard, as another program would that the user
# copied from, and waits until it is there.
offer_clipboard() {
    if [ -n "$offer_pid" ]; then
        kill "$offer_pid" 2>/dev/null || true
        wait "$offer_pid" 2>/dev/null || true
    fi
    xclip -quiet -i -selection clipboard "$1" >/dev/null 2>&1 &
    offer_pid=$!
    pids+=("$offer_pid")
    wait_for "the clipboard to offer $1" xclip_offers
}
xclip_offers() {
    [ "$(xclip -o -selection clipboard -t TARGETS 2>/dev/null)" = $'TARGETS\nUTF8_STRING' ]
}
offer_taken() { ! kill -0 "$offer_pid" 2>/dev/null; }

# Offers the file $3 on the clipboard, clicks the control at $1,$2 and presses
# the keys after that there, which end by copying and leave the control as
# they found it; once the window has taken the clipboard over, writes what it
# copied to $work/copied. Events reach the window in order, so the copy sees
# the effect of every earlier click and key.
# Wine keeps a Windows clipboard of its own beside the X one, and a thread
# that carries each to the other. Kept from the processor long enough, that
# thread misses the word that a program copied, goes on taking the program's
# copies for its own, and hands no more of them to X. A new offer sets it
# right, so offer and keys are tried again while no copy takes.
press_and_copy() {
    wait_for "the window to copy" offer_press_and_wait "$@"
    offer_pid=
    xclip -o -selection clipboard >"$work/copied" 2>/dev/null || true
}

# One try of press_and_copy: offer, click, keys, and 10 s for the copy to take.
offer_press_and_wait() {
    offer_clipboard "$3" && click "$1" "$2" && xdotool key --clearmodifiers "${@:4}" &&
        patience=10 poll offer_taken
}

# Leaves a box's whole text in $work/copied, as Ctrl+A and Ctrl+C give it.
# An empty box copies nothing, so a marker is typed after the text, copied
# with it, and taken off the box and the copy again.
copy_box() {
    press_and_copy "$1" "$2" "$work/placeholder" End numbersign ctrl+a ctrl+c End BackSpace
    [ "$(tail -c 1 "$work/copied")" = '#' ] || fail "the box at $1,$2 did not take the marker"
    truncate -s -1 "$work/copied"
}
# Prints a box's text.
read_box() {
    copy_box "$1" "$2"
    cat "$work/copied"
}
expect_box() {
    local got
    got=$(read_box "$1" "$2")
    [ "$got" = "$3" ] || fail "$4: box shows '$got', expected '$3'"
}
still_running() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work/program.log")"
}
