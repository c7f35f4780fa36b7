// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Reads arbitrary 16-bit text as a number and checks the reading against
// strtod on the number's own characters, and against readings of the same
// number in other surroundings.

#include "fuzzsupport.h"
#include "numericreading.h"

#include <QString>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Where the leading number of a text lies, found independently of readNumber.
struct NumberSpan
{
    qsizetype start = 0; // at the sign, or at the first digit or point
    qsizetype end = 0;   // just past the last character of the number
    bool present = false;
    bool hasSign = false;
};

NumberSpan findNumber(QStringView text)
{
    NumberSpan span;
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    span.start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        span.hasSign = true;
        ++i;
    }
    qsizetype digits = 0;
    for (; i < text.size() && isAsciiDigit(text[i].unicode()); ++i)
        ++digits;
    qsizetype end = i;
    if (i < text.size() && text[i] == u'.') {
        qsizetype fraction = 0;
        for (++i; i < text.size() && isAsciiDigit(text[i].unicode()); ++i)
            ++fraction;
        if (digits + fraction > 0)
            end = i;
        digits += fraction;
    }
    span.present = digits > 0;
    span.end = span.present ? end : 0;
    return span;
}

bool sameDouble(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool sameReading(NumericReading a, NumericReading b)
{
    return a.finite == b.finite && sameDouble(a.value, b.value);
}

// The reading through the exact-length copy, so any read outside the text is reported.
NumericReading readExactly(QStringView text)
{
    const ExactText exact(text);
    return readNumber(exact.view());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = textFromBytes(data, size);
    const NumericReading reading = readExactly(text);

    require(!std::isnan(reading.value), "a reading is never NaN");
    require(reading.finite == std::isfinite(reading.value), "finite flag matches the value");

    require(sameReading(readExactly(QStringLiteral(" \t") + text), reading),
            "leading blanks are skipped");

    const NumberSpan span = findNumber(text);
    if (!span.present) {
        require(sameReading(reading, NumericReading{}), "a text without a number reads as +0");
        return 0;
    }

    // strtod sees only the number's characters, so its exponents, hex forms
    // and locale never come into play; it rounds correctly and overflows to
    // infinity, just as the reading should.
    std::string ascii;
    for (qsizetype k = span.start; k < span.end; ++k)
        ascii.push_back(char(text[k].unicode()));
    const double expected = std::strtod(ascii.c_str(), nullptr);
    require(sameDouble(reading.value, expected), "the reading equals strtod of the number");
    require(reading.finite == std::isfinite(expected), "only overflow is not finite");

    const QStringView number = QStringView(text).first(span.end);
    require(sameReading(readExactly(number), reading), "the text reads as its number alone");
    const qsizetype halfway = span.end + (text.size() - span.end) / 2;
    require(sameReading(readExactly(QStringView(text).first(halfway)), reading),
            "cutting the text after the number changes nothing");

    // Whatever followed the number, then anything at all: still the same number.
    const QChar stop = span.end < text.size() ? text[span.end] : QChar(u'x');
    require(sameReading(readExactly(number.toString() + stop + text), reading),
            "text after the number is ignored");

    if (!span.hasSign) {
        QString negated = text;
        negated.insert(span.start, u'-');
        const NumericReading negative = readExactly(negated);
        require(negative.finite == reading.finite && sameDouble(negative.value, -reading.value),
                "a minus sign negates exactly");
        QString plus = text;
        plus.insert(span.start, u'+');
        require(sameReading(readExactly(plus), reading), "a plus sign changes nothing");
    }
    return 0;
}
