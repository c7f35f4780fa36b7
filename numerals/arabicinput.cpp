// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "arabicinput.h"

#include "conversions.h"
#include "numericreading.h"

bool acceptsArabicText(std::u16string_view text)
{
    const NumericReading reading = readNumber(text);
    if (!reading.finite)
        return false;
    const bool tooSmallOrTooLong = reading.value < 1.0 || text.size() > 4;
    return !tooSmallOrTooLong && !(reading.value > 3999.0);
}

bool calculateArabic(const NumeralTables &tables, TextBox &arabicBox, TextBox &romanBox)
{
    if (acceptsArabicText(arabicBox.text())) {
        ArabicToRoman(tables, arabicBox, romanBox);
        return true;
    }
    arabicBox.setText({});
    return false;
}
