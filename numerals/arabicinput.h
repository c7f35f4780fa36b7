// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include "numeraltables.h"
#include "textbox.h"

#include <string_view>

// Whether the Arabic box's text is a number the converter takes: its leading
// number is at least 1 and at most 3999, and the whole text is at most four
// characters long, blanks and any other characters included. A number too
// large to read is refused like any other.
[[nodiscard]] bool acceptsArabicText(std::u16string_view text);

// The Arabic box's Calculate: converts an accepted number into the Roman box,
// and otherwise empties the Arabic box, without a message and without
// touching the Roman box. Tells whether it converted.
bool calculateArabic(const NumeralTables &tables, TextBox &arabicBox, TextBox &romanBox);
