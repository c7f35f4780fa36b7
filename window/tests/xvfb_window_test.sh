#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Runs the built program in a real X server, as a person would use it: finds
# the window by its caption, checks its size, types into the boxes, presses
# the buttons, reads the results back through the clipboard, and takes a
# screenshot of the window.
# Usage: xvfb_window_test.sh PROGRAM [SCREENSHOT.png [SCALE]]
# With a SCALE of 2 the window is drawn at twice the pixels (QT_SCALE_FACTOR).
source "$(dirname "$0")/xvfb_session.sh"
shot=${2:-screenshot.png}
start_session "$1" "${3:-1}"

expected="$((461 * scale))x$((425 * scale))"
[ "${WIDTH}x${HEIGHT}" = "$expected" ] || fail "window is ${WIDTH}x${HEIGHT}, not $expected"
[ "$(xprop -id "$window" WM_NAME | cut -d'"' -f2)" = "$caption" ] || fail "caption differs"

type_into "${roman_box[@]}" xiv
click "${roman_calculate[@]}"
expect_box "${arabic_box[@]}" 14 "Roman to Arabic"
expect_box "${roman_box[@]}" XIV "Roman box upper-cased"

type_into "${arabic_box[@]}" 3999
click "${arabic_calculate[@]}"
expect_box "${roman_box[@]}" MMMCMXCIX "Arabic to Roman"

type_into "${arabic_box[@]}" 4000
click "${arabic_calculate[@]}"
expect_box "${arabic_box[@]}" "" "a refused number is erased"
expect_box "${roman_box[@]}" MMMCMXCIX "a refusal leaves the Roman box alone"

type_into "${arabic_box[@]}" 14
click "${arabic_calculate[@]}"
click "${clear_button[@]}"
expect_box "${roman_box[@]}" "" "Clear empties the Roman box"
expect_box "${arabic_box[@]}" "" "Clear empties the Arabic box"

# The help text as a user copies it: 43 lines, the last one's line break
# included. Ctrl+Home then takes the selection away again.
press_and_copy "${help_box[@]}" "$work/placeholder" ctrl+a ctrl+c ctrl+Home
[ "$(wc -l <"$work/copied")" = 43 ] || fail "the help box copies $(wc -l <"$work/copied") line breaks, not 43"
[ "$(tail -n 1 "$work/copied")" = ' 9   IX   XIX   XC   CM    ' ] || fail "the help text's last line differs"

type_into "${roman_box[@]}" mcmlxxxiv
click "${roman_calculate[@]}"
# Leave the focus where the window opens it, so the picture shows a fresh look.
xdotool key Tab Tab Tab Tab
sleep 0.3
import -window root "$work/root.png"
convert "$work/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
still_running
echo "window ${WIDTH}x${HEIGHT} at ${X},${Y}; conversions read back; screenshot: $shot"
