// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "numericreading.h"

#include "decimalvalue.h"

#include <limits>
#include <string>

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

NumericReading readNumber(std::u16string_view text)
{
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size && isBlank(text[i]))
        ++i;

    const std::size_t start = i;
    if (i < size && (text[i] == u'+' || text[i] == u'-'))
        ++i;

    const std::size_t intStart = i;
    while (i < size && isDigit(text[i]))
        ++i;
    const std::size_t intEnd = i;

    if (i < size && text[i] == u'.') {
        std::size_t j = i + 1;
        while (j < size && isDigit(text[j]))
            ++j;
        // "5." is the number 5 and ".5" is a half; a point alone is no number.
        if (j > i + 1 || intEnd > intStart)
            i = j;
    }
    if (intEnd == intStart && i == intEnd)
        return {};

    // The accepted characters are all ASCII, so this copy is exact.
    std::string number;
    number.reserve(i - start);
    for (std::size_t k = start; k < i; ++k)
        number.push_back(char(text[k]));

    if (number.front() == '+')
        number.erase(0, 1); // a plus sign changes nothing
    const DecimalValue decimal = decimalValue(number);
    if (decimal.outOfRange) {
        // Out of range is either too large or too small; a non-zero digit
        // before the point tells which.
        bool large = false;
        for (std::size_t k = intStart; k < intEnd && !large; ++k)
            large = text[k] != u'0';
        if (large)
            return {.value = number.front() == '-' ? -std::numeric_limits<double>::infinity()
                                                   : std::numeric_limits<double>::infinity(),
                    .finite = false};
        return {.value = number.front() == '-' ? -0.0 : 0.0, .finite = true};
    }
    return {.value = decimal.value, .finite = true};
}
