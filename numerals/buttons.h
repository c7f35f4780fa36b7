// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include "conversions.h"
#include "numeraltables.h"
#include "textbox.h"

#include <string>

// What each of the converter's three buttons does to the two boxes, the same
// in the window and on the page. Each returns what a screen reader is to say
// of it.

// Calculate in the Roman frame: the Roman box upper-cased, its value into the
// Arabic box.
[[nodiscard]] std::u16string pressRomanCalculate(const NumeralTables &tables, TextBox &romanBox,
                                                 TextBox &arabicBox, UpperCasing upperCasing);
// Calculate in the Arabic frame: an accepted number's numeral into the Roman
// box; anything else erased from the Arabic box.
[[nodiscard]] std::u16string pressArabicCalculate(const NumeralTables &tables, TextBox &arabicBox,
                                                  TextBox &romanBox);
// Clear: the Roman box emptied, then the Arabic box.
[[nodiscard]] std::u16string pressClear(TextBox &romanBox, TextBox &arabicBox);
