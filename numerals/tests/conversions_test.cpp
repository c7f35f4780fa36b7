// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "conversions.h"
#include "greedynumeral.h"
#include "memorybox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace {

// Stands in for the platform's upper-casing: a to z and Cyrillic а to я, and
// it counts how often the conversions asked it.
int platformCalls = 0;
std::u16string fakePlatformUpperCasing(std::u16string_view text)
{
    ++platformCalls;
    std::u16string upper(text);
    for (char16_t &c : upper) {
        if ((c >= u'a' && c <= u'z') || (c >= u'а' && c <= u'я'))
            c = char16_t(c - 0x20);
    }
    return upper;
}

class Conversions : public ::testing::Test
{
protected:
    void SetUp() override { m_tables.fill(); }
    NumeralTables m_tables;
};

TEST(RoundHalfToEven, HalvesGoToTheEvenNeighbour)
{
    const struct
    {
        double in, out;
    } rows[] = {{0.5, 0},    {1.5, 2},       {2.5, 2},      {3.5, 4}, {9.5, 10},
                {99.5, 100}, {1.4, 1},       {1.6, 2},      {2.0, 2}, {-0.5, -0.0},
                {-1.5, -2},  {3999.5, 4000}, {3998.5, 3998}};
    for (const auto &row : rows)
        EXPECT_EQ(roundHalfToEven(row.in), row.out) << row.in;
}

TEST_F(Conversions, RomanNumeralOfNumbers)
{
    const struct
    {
        double number;
        const char16_t *numeral;
    } rows[] = {
        {1, u"I"},
        {4, u"IV"},
        {9, u"IX"},
        {14, u"XIV"},
        {40, u"XL"},
        {90, u"XC"},
        {400, u"CD"},
        {900, u"CM"},
        {444, u"CDXLIV"},
        {888, u"DCCCLXXXVIII"},
        {3999, u"MMMCMXCIX"},
        {10, u"X"},
        {100, u"C"},
        {1000, u"M"},
        {3000, u"MMM"},
        {2.5, u"II"},
        {8.5, u"VIII"},
        {99.5, u"C"},
        {1.5, u"II"},
        {9.5, u"X"},
        {1.4, u"I"},
        {0, u""},
        {0.5, u""},
        {-3, u""},
        {std::numeric_limits<double>::infinity(), u""},
        {-std::numeric_limits<double>::infinity(), u""},
        {std::numeric_limits<double>::quiet_NaN(), u""},
        // beyond 3999 there is no numeral either, however many digits
        {3999.4, u"MMMCMXCIX"},
        {3999.5, u""},
        {4000, u""},
        {10000, u""},
        {900000, u""},
        {1e9, u""},
        {std::numeric_limits<double>::max(), u""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(romanNumeral(m_tables, row.number), row.numeral) << row.number;
}

TEST_F(Conversions, RomanValueOfTexts)
{
    const struct
    {
        const char16_t *text;
        std::uint64_t value;
    } rows[] = {
        // standard numerals
        {u"", 0},
        {u"XIV", 14},
        {u"CDXLIV", 444},
        {u"DCCCLXXXVIII", 888},
        {u"MMMCMXCIX", 3999},
        // non-standard numerals are valued by the same rule, not refused
        {u"IIII", 4},
        {u"VV", 10},
        {u"IIV", 5},
        {u"VX", 5},
        {u"IC", 99},
        {u"IM", 999},
        {u"XM", 990},
        {u"MMMM", 4000},
        {u"IVXLCDM", 334},
        // anything that is no symbol is skipped, and keeps a subtractive pair intact
        {u"ABC", 100},
        {u"X I V", 14},
        {u"I V", 4},
        {u"\u0421\u041C", 0},
        {u"xiv", 0},
        {u"1999", 0},
        {u"\u2163", 0},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(romanValue(m_tables, row.text), row.value) << testing::PrintToString(row.text);
    }
}

TEST_F(Conversions, RomanValueHoldsTotalsPast32Bits)
{
    const std::u16string thousands(5'000'000, u'M');
    EXPECT_EQ(romanValue(m_tables, thousands), 5'000'000'000ULL);
}

TEST_F(Conversions, EveryAcceptedNumberRoundTrips)
{
    for (int n = 1; n <= 3999; ++n) {
        const std::u16string numeral = romanNumeral(m_tables, n);
        ASSERT_EQ(numeral, greedyNumeral(n)) << n;
        ASSERT_EQ(romanValue(m_tables, numeral), std::uint64_t(n)) << n;
    }
}

TEST_F(Conversions, ArabicToRomanLeavesTheArabicBoxAlone)
{
    const struct
    {
        const char16_t *arabic, *roman;
    } rows[] = {{u"14", u"XIV"}, {u" 12ab", u"XII"}, {u"9.5", u"X"}, {u"3999", u"MMMCMXCIX"}};
    for (const auto &row : rows) {
        const MemoryBox arabic(row.arabic);
        MemoryBox roman(u"old");
        ArabicToRoman(m_tables, arabic, roman);
        EXPECT_EQ(roman.text(), row.roman) << testing::PrintToString(row.arabic);
        EXPECT_EQ(arabic.text(), row.arabic);
        EXPECT_EQ(arabic.writes(), 0);
    }
}

TEST(UpperCased, AsciiHereEverythingElseByThePlatform)
{
    const struct
    {
        const char16_t *text, *upper;
        int platformCalls;
    } rows[] = {
        {u"", u"", 0},
        {u"xiv", u"XIV", 0},
        {u"MmMcMxCiX", u"MMMCMXCIX", 0},
        {u"x i v, 12!@[`{~\x7f", u"X I V, 12!@[`{~\x7f", 0},
        {u"xiv\u0441\u043C", u"XIV\u0421\u041C", 1},
        {u"\u0080i", u"\u0080I", 1}, // the first character past ASCII
    };
    for (const auto &row : rows) {
        platformCalls = 0;
        EXPECT_EQ(upperCased(row.text, fakePlatformUpperCasing), row.upper);
        EXPECT_EQ(platformCalls, row.platformCalls) << testing::PrintToString(row.text);
    }
}

TEST_F(Conversions, RomanToArabicUpperCasesTheRomanBox)
{
    const struct
    {
        const char16_t *typed, *shown, *value;
    } rows[] = {
        {u"xiv", u"XIV", u"14"},
        {u"", u"", u"0"},
        {u"mmmcmxcix", u"MMMCMXCIX", u"3999"},
        {u"x i v!", u"X I V!", u"14"},
        {u"abc", u"ABC", u"100"},
        {u"\u0441\u043C", u"\u0421\u041C", u"0"}, // Cyrillic look-alikes stay letters
    };
    for (const auto &row : rows) {
        MemoryBox roman(row.typed);
        MemoryBox arabic(u"stale");
        RomanToArabic(m_tables, roman, arabic, fakePlatformUpperCasing);
        EXPECT_EQ(roman.text(), row.shown);
        EXPECT_EQ(arabic.text(), row.value);
    }
}

} // namespace
