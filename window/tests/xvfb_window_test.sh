#!/usr/bin/env bash
# Runs the built program in a real X server, as a person would use it: finds
# the window by its caption, checks its size, types into the boxes, presses
# the buttons, reads the results back through the clipboard, and takes a
# screenshot of the window.
# Usage: xvfb_window_test.sh PROGRAM [SCREENSHOT.png [SCALE]]
# With a SCALE of 2 the window is drawn at twice the pixels (QT_SCALE_FACTOR).
set -euo pipefail
program=$1
shot=${2:-screenshot.png}
scale=${3:-1}
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

Xvfb -displayfd 3 -screen 0 "$((1024 * scale))x$((768 * scale))x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM
export QT_SCALE_FACTOR=$scale

"$program" >"$work/program.log" 2>&1 &
pids+=($!)

caption='www.example.org  Математика - непозиционна бр. система'
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n 1) ||
    fail "no window captioned '$caption'"
eval "$(xdotool getwindowgeometry --shell "$window")"
expected="$((461 * scale))x$((425 * scale))"
[ "${WIDTH}x${HEIGHT}" = "$expected" ] || fail "window is ${WIDTH}x${HEIGHT}, not $expected"
[ "$(xprop -id "$window" WM_NAME | cut -d'"' -f2)" = "$caption" ] || fail "caption differs"

# Points inside the controls, in window coordinates.
roman_box=(60 104)
roman_calculate=(248 104)
clear_button=(360 104)
arabic_box=(60 176)
arabic_calculate=(248 176)

click() { xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) click 1; sleep 0.1; }
type_into() {
    click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 15 "$3"
}
read_box() {
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

type_into "${roman_box[@]}" xiv
click "${roman_calculate[@]}"
expect_box "${arabic_box[@]}" 14 "Roman to Arabic"
expect_box "${roman_box[@]}" XIV "Roman box upper-cased"

type_into "${arabic_box[@]}" 3999
click "${arabic_calculate[@]}"
expect_box "${roman_box[@]}" MMMCMXCIX "Arabic to Roman"

type_into "${arabic_box[@]}" 4000
click "${arabic_calculate[@]}"
click "${roman_box[@]}"
sleep 0.2
import -window root "$work/refused.png"
expect_box "${roman_box[@]}" MMMCMXCIX "a refusal leaves the Roman box alone"

type_into "${arabic_box[@]}" 14
click "${arabic_calculate[@]}"
click "${clear_button[@]}"
type_into "${roman_box[@]}" mcmlxxxiv
click "${roman_calculate[@]}"
# Leave the focus where the window opens it, so the picture shows a fresh look.
xdotool key Tab Tab Tab Tab
sleep 0.3
import -window root "$work/root.png"
convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
kill -0 "${pids[1]}" || fail "the program ended"
echo "window ${WIDTH}x${HEIGHT} at ${X},${Y}; conversions read back; screenshot: $shot"
