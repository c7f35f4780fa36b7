#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Pastes a million characters into each box of the real window and presses
# its Calculate. The Roman box must keep every character, upper-cased, and
# show the right value; the Arabic box must refuse them and leave the Roman
# box alone. It prints how long each took, as seen from outside, for
# bench/paste.sh; the test itself checks only what the window shows.
# Usage: xvfb_huge_paste_test.sh PROGRAM
source "$(dirname "$0")/xvfb_session.sh"
start_session "$1" 1

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Pastes the file $3 into the box at $1,$2 over whatever it held, and checks
# that the box took all of it.
paste_into() {
    press_and_copy "$1" "$2" "$3" ctrl+a ctrl+v ctrl+a ctrl+c
    cmp -s "$work/copied" "$3" ||
        fail "the box took $(wc -c <"$work/copied") of the $(wc -c <"$3") characters pasted"
}
# Writes a million characters: the pattern over and over.
million_of() {
    awk -v s="$1" 'BEGIN { while (length(s) < 1000000) s = s s; printf "%s", substr(s, 1, 1000000) }'
}

# A million characters: lower-case numerals, blanks and other letters.
million_of "mmmcmxcix dcclxxxviii, abc " >"$work/roman"
tr '[:lower:]' '[:upper:]' <"$work/roman" >"$work/upper"
# The value, by a right-to-left scan written out independently here.
expected=$(awk 'BEGIN { v["I"]=1; v["V"]=5; v["X"]=10; v["L"]=50; v["C"]=100; v["D"]=500; v["M"]=1000 }
    { total = 0; prev = 0
      for (i = length($0); i > 0; i--) { c = substr($0, i, 1); if (!(c in v)) continue
          if (v[c] < prev) total -= v[c]; else total += v[c]; prev = v[c] }
      printf "%d", total }' "$work/upper")

paste_into "${roman_box[@]}" "$work/roman"
start=$(now_ms)
click "${roman_calculate[@]}"
value=$(read_box "${arabic_box[@]}")
roman_ms=$(($(now_ms) - start))
[ "$value" = "$expected" ] || fail "the Arabic box shows '$value', expected '$expected'"
copy_box "${roman_box[@]}"
cmp -s "$work/copied" "$work/upper" ||
    fail "the Roman box holds $(wc -c <"$work/copied") characters, not the million pasted, upper-cased"

million_of 1234567890 >"$work/digits"
paste_into "${arabic_box[@]}" "$work/digits"
start=$(now_ms)
click "${arabic_calculate[@]}"
shown=$(read_box "${arabic_box[@]}")
arabic_ms=$(($(now_ms) - start))
[ -z "$shown" ] || fail "the Arabic box was not emptied: it holds ${#shown} characters"
copy_box "${roman_box[@]}"
cmp -s "$work/copied" "$work/upper" || fail "refusing the Arabic box changed the Roman box"
still_running

echo "a million characters: Roman box converted and shown in ${roman_ms} ms (value $value);" \
    "Arabic box refused in ${arabic_ms} ms"
