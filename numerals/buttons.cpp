// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "buttons.h"

#include "announcements.h"
#include "arabicinput.h"

std::u16string pressRomanCalculate(const NumeralTables &tables, TextBox &romanBox,
                                   TextBox &arabicBox, UpperCasing upperCasing)
{
    const std::u16string typed = romanBox.text();
    RomanToArabic(tables, romanBox, arabicBox, upperCasing);
    return romanCalculatedAnnouncement(arabicBox.text(), romanBox.text() != typed);
}

std::u16string pressArabicCalculate(const NumeralTables &tables, TextBox &arabicBox,
                                    TextBox &romanBox)
{
    if (calculateArabic(tables, arabicBox, romanBox))
        return arabicCalculatedAnnouncement(romanBox.text());
    return arabicRefusedAnnouncement();
}

std::u16string pressClear(TextBox &romanBox, TextBox &arabicBox)
{
    romanBox.setText({});
    arabicBox.setText({});
    return clearedAnnouncement();
}
