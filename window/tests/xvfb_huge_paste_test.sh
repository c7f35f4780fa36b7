#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Pastes a million characters into each box of the real window and presses
# its Calculate. The Roman box must keep every character, upper-cased, and
# the value must show within the time limit; the Arabic box must refuse them
# at once and leave the Roman box alone.
# Usage: xvfb_huge_paste_test.sh PROGRAM [LIMIT_MS]
source "$(dirname "$0")/xvfb_session.sh"
limit_ms=${2:-1000}
start_session "$1" 1

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Offers a file on the clipboard for one paste, pastes it into a box, waits
# until the program has taken it all, and checks that the box holds all of it.
paste_into() {
    xclip -quiet -loops 1 -i -selection clipboard "$3" >/dev/null 2>&1 &
    local offer=$!
    sleep 0.2
    # shellcheck disable=SC2046
    xdo $(at "$1" "$2") click 1 key --clearmodifiers ctrl+a ctrl+v
    for _ in $(seq 1000); do kill -0 "$offer" 2>/dev/null || break; sleep 0.01; done
    kill -0 "$offer" 2>/dev/null && { kill "$offer"; fail "the program did not take the paste within 10 s"; }
    read_big_box "$1" "$2" "$work/pasted"
    cmp -s "$work/pasted" "$3" ||
        fail "the box took $(wc -c <"$work/pasted") of the $(wc -c <"$3") characters pasted"
}
# Writes a million characters: the pattern over and over.
million_of() {
    awk -v s="$1" 'BEGIN { while (length(s) < 1000000) s = s s; printf "%s", substr(s, 1, 1000000) }'
}
# Waits until the clipboard holds something other than $1, and prints it.
wait_for_clipboard_change() {
    local got
    for _ in $(seq 1000); do
        got=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$got" != "$1" ] && { printf '%s' "$got"; return; }
        sleep 0.01
    done
    fail "the window did not answer within 10 s (reading the box at $1,$2)"
}
xdo() { xdotool "$@"; }
# Copies a box that may hold a million characters into the file $3.
read_big_box() {
    printf 'waiting' | xclip -i -selection clipboard >/dev/null 2>&1
    # shellcheck disable=SC2046
    xdo $(at "$1" "$2") click 1 key --clearmodifiers ctrl+a ctrl+c
    for _ in $(seq 1000); do
        xclip -o -selection clipboard >"$3" 2>/dev/null || true
        [ "$(head -c 8 "$3")" != waiting ] && return
        sleep 0.01
    done
    fail "the window did not answer within 10 s (reading the box at $1,$2)"
}
at() { echo mousemove --window "$window" "$1" "$2"; }

# A million characters: lower-case numerals, blanks and other letters.
million_of "mmmcmxcix dcclxxxviii, abc " >"$work/roman"
tr 'a-z' 'A-Z' <"$work/roman" >"$work/upper"
# The value, by a right-to-left scan written out independently here.
expected=$(awk 'BEGIN { v["I"]=1; v["V"]=5; v["X"]=10; v["L"]=50; v["C"]=100; v["D"]=500; v["M"]=1000 }
    { total = 0; prev = 0
      for (i = length($0); i > 0; i--) { c = substr($0, i, 1); if (!(c in v)) continue
          if (v[c] < prev) total -= v[c]; else total += v[c]; prev = v[c] }
      printf "%d", total }' "$work/upper")

paste_into "${roman_box[@]}" "$work/roman"
printf '' | xclip -i -selection clipboard >/dev/null 2>&1
start=$(now_ms)
# shellcheck disable=SC2046
xdo $(at "${roman_calculate[@]}") click 1 $(at "${arabic_box[@]}") click 1 key --clearmodifiers ctrl+a ctrl+c
value=$(wait_for_clipboard_change "")
roman_ms=$(($(now_ms) - start))
[ "$value" = "$expected" ] || fail "the Arabic box shows '$value', expected '$expected'"
read_big_box "${roman_box[@]}" "$work/shown"
cmp -s "$work/shown" "$work/upper" ||
    fail "the Roman box holds $(wc -c <"$work/shown") characters, not the million pasted, upper-cased"

million_of 1234567890 >"$work/digits"
paste_into "${arabic_box[@]}" "$work/digits"
printf 'waiting' | xclip -i -selection clipboard >/dev/null 2>&1
start=$(now_ms)
# After a refusal the box is empty, so what is typed next is all it holds.
# shellcheck disable=SC2046
xdo $(at "${arabic_calculate[@]}") click 1 $(at "${arabic_box[@]}") click 1 \
    type z
xdo key --clearmodifiers ctrl+a ctrl+c
shown=$(wait_for_clipboard_change waiting)
arabic_ms=$(($(now_ms) - start))
[ "$shown" = z ] || fail "the Arabic box was not emptied: it holds ${#shown} characters"
read_big_box "${roman_box[@]}" "$work/shown"
cmp -s "$work/shown" "$work/upper" || fail "refusing the Arabic box changed the Roman box"
still_running

echo "a million characters: Roman box converted and shown in ${roman_ms} ms (value $value);" \
    "Arabic box refused in ${arabic_ms} ms"
[ "$roman_ms" -le "$limit_ms" ] || fail "converting took ${roman_ms} ms, over ${limit_ms} ms"
[ "$arabic_ms" -le "$limit_ms" ] || fail "refusing took ${arabic_ms} ms, over ${limit_ms} ms"
