// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "numericreading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(NumericReading, LeadingNumberOfAText)
{
    const struct
    {
        const char16_t *text;
        double value;
    } rows[] = {
        // plain numbers, and what follows them is ignored
        {u"14", 14},
        {u"3999", 3999},
        {u"12ab", 12},
        {u"007", 7},
        {u"1 2", 1},
        {u"5-3", 5},
        // blanks before the number are skipped, blanks inside end it
        {u"   42", 42},
        {u"\t8", 8},
        {u" 1000", 1000},
        {u" \t 9 9", 9},
        // fractions
        {u"9.5", 9.5},
        {u"2.50", 2.5},
        {u"5.", 5},
        {u".5", 0.5},
        {u"1.2.3", 1.2},
        {u"0.1x", 0.1},
        // signs
        {u"-5", -5},
        {u"+12", 12},
        {u"-.5", -0.5},
        {u"- 5", 0},
        {u"+-1", 0},
        // forms that are not numbers here
        {u"", 0},
        {u" ", 0},
        {u".", 0},
        {u"-", 0},
        {u"abc", 0},
        {u"1e3", 1},
        {u"&H10", 0},
        {u"0x1F", 0},
        {u"\uFF11\uFF12", 0},
        {u"\u0661", 0},
        {u"\n5", 0},
    };
    for (const auto &row : rows) {
        const NumericReading reading = readNumber(row.text);
        EXPECT_TRUE(reading.finite) << testing::PrintToString(row.text);
        EXPECT_EQ(reading.value, row.value) << testing::PrintToString(row.text);
    }
}

TEST(NumericReading, TellsApartNumbersTooLargeForADouble)
{
    const std::u16string huge = std::u16string(400, u'9') + u"xyz";
    const NumericReading big = readNumber(huge);
    EXPECT_FALSE(big.finite);
    EXPECT_TRUE(std::isinf(big.value));
    EXPECT_LT(readNumber(u'-' + huge).value, 0);
    EXPECT_FALSE(readNumber(u'-' + huge).finite);

    // The largest numbers a double holds still read.
    const NumericReading edge = readNumber(u"1" + std::u16string(308, u'0'));
    EXPECT_TRUE(edge.finite);
    EXPECT_EQ(edge.value, 1e308);

    // Tiny numbers and long strings of zeros are just small.
    const NumericReading tiny = readNumber(u"0." + std::u16string(400, u'0') + u'1');
    EXPECT_TRUE(tiny.finite);
    EXPECT_EQ(tiny.value, 0.0);
    const NumericReading zeros = readNumber(std::u16string(100'000, u'0') + u"12");
    EXPECT_TRUE(zeros.finite);
    EXPECT_EQ(zeros.value, 12.0);
}

TEST(NumericReading, ReadsAMillionDigitsWithoutFailing)
{
    const NumericReading reading = readNumber(std::u16string(1'000'000, u'7'));
    EXPECT_FALSE(reading.finite);
    const NumericReading fraction = readNumber(u"3." + std::u16string(1'000'000, u'1'));
    EXPECT_TRUE(fraction.finite);
    EXPECT_NEAR(fraction.value, 3.1111111111, 1e-9);
}

} // namespace
