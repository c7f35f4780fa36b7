// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "conversions.h"

#include "numericreading.h"

#include <array>
#include <cmath>
#include <string>

double roundHalfToEven(double number)
{
    if (!std::isfinite(number))
        return number;
    const double below = std::floor(number);
    const double rest = number - below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

std::u16string romanNumeral(const NumeralTables &tables, double number)
{
    const double rounded = roundHalfToEven(number);
    if (std::isnan(rounded) || rounded < 1.0 || rounded > LargestNumeral)
        return {};
    std::u16string result;
    int position = 1;
    for (auto remaining = int(rounded); remaining > 0; remaining /= 10, ++position) {
        const int digit = remaining % 10;
        if (digit > 0)
            result.insert(0, tables.RomanChunks(NumeralTables::chunkSlot(digit, position)));
    }
    return result;
}

std::uint64_t romanValue(const NumeralTables &tables, std::u16string_view text)
{
    // The symbols are ASCII letters: a small index from character to value,
    // taken from the tables, spares comparing every character with every slot.
    std::array<std::int16_t, 128> valueOf{};
    for (int slot = 0; slot < NumeralTables::SymbolSlots; ++slot) {
        const std::u16string &symbol = tables.RomanSymbols(slot);
        if (symbol.size() == 1 && symbol.front() < valueOf.size())
            valueOf[symbol.front()] = tables.RomanValues(slot);
    }

    std::uint64_t total = 0;
    std::uint64_t previous = 0;
    for (std::size_t i = text.size(); i-- > 0;) {
        const char16_t c = text[i];
        const std::uint64_t current = c < valueOf.size() ? std::uint64_t(valueOf[c]) : 0;
        if (current == 0)
            continue;
        // Symbols subtracted after the last addition are each smaller than the
        // one before and add up to less than it, so the total never goes below 0.
        total = current < previous ? total - current : total + current;
        previous = current;
    }
    return total;
}

void ArabicToRoman(const NumeralTables &tables, const TextBox &arabicBox, TextBox &romanBox)
{
    romanBox.setText(romanNumeral(tables, readNumber(arabicBox.text()).value));
}

std::u16string upperCased(std::u16string_view text, UpperCasing platform)
{
    // Plain ASCII, by far the usual case, needs no Unicode tables: only a to z
    // change.
    for (const char16_t c : text) {
        if (c >= 0x80)
            return platform(text);
    }
    std::u16string upper(text);
    for (char16_t &c : upper) {
        if (c >= u'a' && c <= u'z')
            c = char16_t(c - (u'a' - u'A'));
    }
    return upper;
}

void RomanToArabic(const NumeralTables &tables, TextBox &romanBox, TextBox &arabicBox,
                   UpperCasing platform)
{
    const std::u16string upper = upperCased(romanBox.text(), platform);
    romanBox.setText(upper);
    // Decimal digits are ASCII, so each char is one 16-bit character.
    const std::string digits = std::to_string(romanValue(tables, upper));
    arabicBox.setText(std::u16string(digits.begin(), digits.end()));
}
