#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# Writes the seed inputs of the fuzz targets: each file is one text in
# UTF-16LE, the form the targets read. Run again after changing the list.
set -euo pipefail
cd "$(dirname "$0")"

# seed DIRECTORY NAME TEXT: TEXT given in UTF-8.
seed() {
    mkdir -p "$1"
    printf '%s' "$3" | iconv -f UTF-8 -t UTF-16LE >"$1/$2"
}

# Texts that matter to every target: plain, padded, fractional, edge and
# out-of-range numbers, numerals, and a number too long for a double.
for target in fuzz_numeric_reading fuzz_arabic_to_roman fuzz_roman_to_arabic; do
    seed $target fourteen "14"
    seed $target blank-twelve-letters " 12ab"
    seed $target nine-and-a-half "9.5"
    seed $target largest "3999"
    seed $target too-large "4000"
    seed $target half "0.5"
    seed $target negative "-5"
    seed $target lower-numeral "xiv"
    seed $target largest-numeral "MMMCMXCIX"
    seed $target spaced-numeral "X I V"
    seed $target many-digits "$(printf '9%.0s' {1..400})"
done

seed fuzz_numeric_reading point-first "+.5"
seed fuzz_numeric_reading tab-then-digits $'\t 9 9'
seed fuzz_numeric_reading exponent "1e3"
seed fuzz_numeric_reading hex "0x1F"
seed fuzz_numeric_reading tiny "0.$(printf '0%.0s' {1..330})1"
seed fuzz_numeric_reading fullwidth-digits "１２"
# A lone high surrogate between digits, which no encoder writes.
printf '1\x00\x00\xd82\x00' >fuzz_numeric_reading/lone-surrogate

seed fuzz_arabic_to_roman short-half "1.5"
seed fuzz_arabic_to_roman point-end "999."
seed fuzz_arabic_to_roman padded " 7"

seed fuzz_roman_to_arabic non-standard "IIIIVXLCDM"
seed fuzz_roman_to_arabic dotless-i "ıv"
seed fuzz_roman_to_arabic ligature "ﬁx"
seed fuzz_roman_to_arabic cyrillic "см"
printf 'M\x00\x00\xdc' >fuzz_roman_to_arabic/lone-surrogate
# Qt upper-cases a lone high surrogate at the end after a ligature differently
# in a temporary QString: to U+FFFD.
printf '\x01\xfb\x78\xd9' >fuzz_roman_to_arabic/ligature-lone-surrogate
