// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include "numeraltables.h"
#include "textbox.h"

#include <cstdint>
#include <string>
#include <string_view>

// A number rounded to the nearest whole number, a half going to the even one.
[[nodiscard]] double roundHalfToEven(double number);

// The largest number with a Roman numeral: the tables have no thousands piece
// beyond MMM.
constexpr int LargestNumeral = 3999;

// The Roman numeral of a number, built digit by digit from the ones upwards
// out of the tables' pieces. A fractional number converts as its rounded
// value. A number that does not round to 1 to LargestNumeral has no numeral
// and gives the empty string: zero, negative, non-finite and larger numbers
// alike.
[[nodiscard]] std::u16string romanNumeral(const NumeralTables &tables, double number);

// The value of a text read as a Roman numeral, scanning from its last
// character to its first: a symbol worth less than the symbol counted last is
// subtracted, any other is added, and characters that are not symbols are
// skipped. Expects the text already upper-cased. Never negative; 64 bits hold
// the value of any text a box can hold.
[[nodiscard]] std::uint64_t romanValue(const NumeralTables &tables, std::u16string_view text);

// Upper-casing beyond a to z follows Unicode's tables, which the platform
// holds (Qt on the desktop, the browser on the page); it must not follow the
// user's locale, so that i is I in Turkish too.
using UpperCasing = std::u16string (*)(std::u16string_view text);

// The text upper-cased: plain ASCII here, where only a to z change; any other
// text by the platform's upper-casing.
[[nodiscard]] std::u16string upperCased(std::u16string_view text, UpperCasing platform);

// Writes the Roman numeral of the Arabic box's number into the Roman box and
// leaves the Arabic box as the user typed it. Trusts its caller to have
// accepted the number.
void ArabicToRoman(const NumeralTables &tables, const TextBox &arabicBox, TextBox &romanBox);

// Upper-cases the Roman box in place, then writes its value as decimal digits
// into the Arabic box. Any text gives a number; nothing is refused.
void RomanToArabic(const NumeralTables &tables, TextBox &romanBox, TextBox &arabicBox,
                   UpperCasing platform);
