// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

// The leading number of a text, as a double.
//
// Blanks (spaces and tabs) at the start are skipped. Then comes an optional
// sign (+ or -) and a decimal number: ASCII digits with an optional point and
// more digits, or a point followed by at least one digit. The number ends at
// the first character that does not fit that form; the rest of the text is
// ignored. There are no exponents, no radix prefixes and no blanks inside a
// number, and a lone point or sign is no number. A text that does not start
// with a number reads as 0.
//
// A number too large for a double is reported as not finite, so a caller can
// refuse it; a number too small for one reads as zero.
struct NumericReading
{
    double value = 0.0;
    bool finite = true;
};

[[nodiscard]] NumericReading readNumber(std::u16string_view text);
