// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "conversions.h"

#include "numericreading.h"

#include <array>
#include <cmath>

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

QString romanNumeral(const NumeralTables &tables, double number)
{
    const double rounded = roundHalfToEven(number);
    if (std::isnan(rounded) || rounded < 1.0 || rounded > LargestNumeral)
        return {};
    QString result;
    int position = 1;
    for (auto remaining = int(rounded); remaining > 0; remaining /= 10, ++position) {
        const int digit = remaining % 10;
        if (digit > 0)
            result.prepend(tables.RomanChunks(NumeralTables::chunkSlot(digit, position)));
    }
    return result;
}

std::uint64_t romanValue(const NumeralTables &tables, QStringView text)
{
    // The symbols are ASCII letters: a small index from character to value,
    // taken from the tables, spares comparing every character with every slot.
    std::array<std::int16_t, 128> valueOf{};
    for (int slot = 0; slot < NumeralTables::SymbolSlots; ++slot) {
        const QString &symbol = tables.RomanSymbols(slot);
        if (symbol.size() == 1 && symbol.front().unicode() < valueOf.size())
            valueOf[symbol.front().unicode()] = tables.RomanValues(slot);
    }

    std::uint64_t total = 0;
    std::uint64_t previous = 0;
    for (qsizetype i = text.size(); i-- > 0;) {
        const char16_t c = text[i].unicode();
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

QString upperCased(const QString &text)
{
    // Plain ASCII, by far the usual case, needs no Unicode tables: only a to z
    // change, and a text with none of them is returned as it is.
    bool lower = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return text.toUpper();
        lower = lower || (c >= u'a' && c <= u'z');
    }
    if (!lower)
        return text;
    QString upper = text;
    for (QChar &c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(char16_t(c.unicode() - (u'a' - u'A')));
    }
    return upper;
}

void RomanToArabic(const NumeralTables &tables, TextBox &romanBox, TextBox &arabicBox)
{
    const QString upper = upperCased(romanBox.text());
    romanBox.setText(upper);
    arabicBox.setText(QString::number(romanValue(tables, upper)));
}
