// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "numericreading.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

NumericReading readNumber(QStringView text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && isBlank(text[i]))
        ++i;

    const qsizetype start = i;
    if (i < size && (text[i] == u'+' || text[i] == u'-'))
        ++i;

    const qsizetype intStart = i;
    while (i < size && isDigit(text[i]))
        ++i;
    const qsizetype intEnd = i;

    if (i < size && text[i] == u'.') {
        qsizetype j = i + 1;
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
    number.reserve(std::size_t(i - start));
    for (qsizetype k = start; k < i; ++k)
        number.push_back(char(text[k].unicode()));

    const char *first = number.data();
    if (*first == '+')
        ++first; // from_chars takes a minus sign only
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Out of range is either too large or too small; a non-zero digit
        // before the point tells which.
        bool large = false;
        for (qsizetype k = intStart; k < intEnd && !large; ++k)
            large = text[k] != u'0';
        if (large)
            return {.value = number.front() == '-' ? -std::numeric_limits<double>::infinity()
                                                   : std::numeric_limits<double>::infinity(),
                    .finite = false};
        return {.value = number.front() == '-' ? -0.0 : 0.0, .finite = true};
    }
    return {.value = value, .finite = true};
}
