// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "conversions.h"
#include "greedynumeral.h"
#include "memorybox.h"
#include "qstringprinter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

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
        const char *numeral;
    } rows[] = {
        {1, "I"},
        {4, "IV"},
        {9, "IX"},
        {14, "XIV"},
        {40, "XL"},
        {90, "XC"},
        {400, "CD"},
        {900, "CM"},
        {444, "CDXLIV"},
        {888, "DCCCLXXXVIII"},
        {3999, "MMMCMXCIX"},
        {10, "X"},
        {100, "C"},
        {1000, "M"},
        {3000, "MMM"},
        {2.5, "II"},
        {8.5, "VIII"},
        {99.5, "C"},
        {1.5, "II"},
        {9.5, "X"},
        {1.4, "I"},
        {0, ""},
        {0.5, ""},
        {-3, ""},
        {std::numeric_limits<double>::infinity(), ""},
        {-std::numeric_limits<double>::infinity(), ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
        // beyond 3999 there is no numeral either, however many digits
        {3999.4, "MMMCMXCIX"},
        {3999.5, ""},
        {4000, ""},
        {10000, ""},
        {900000, ""},
        {1e9, ""},
        {std::numeric_limits<double>::max(), ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(romanNumeral(m_tables, row.number), QLatin1String(row.numeral)) << row.number;
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
        const QString text = QString::fromUtf16(row.text);
        EXPECT_EQ(romanValue(m_tables, text), row.value) << text.toStdString();
    }
}

TEST_F(Conversions, RomanValueHoldsTotalsPast32Bits)
{
    const QString thousands(5'000'000, u'M');
    EXPECT_EQ(romanValue(m_tables, thousands), 5'000'000'000ULL);
}

TEST_F(Conversions, EveryAcceptedNumberRoundTrips)
{
    for (int n = 1; n <= 3999; ++n) {
        const QString numeral = romanNumeral(m_tables, n);
        ASSERT_EQ(numeral, greedyNumeral(n)) << n;
        ASSERT_EQ(romanValue(m_tables, numeral), std::uint64_t(n)) << numeral.toStdString();
    }
}

TEST_F(Conversions, ArabicToRomanLeavesTheArabicBoxAlone)
{
    const struct
    {
        const char *arabic, *roman;
    } rows[] = {{"14", "XIV"}, {" 12ab", "XII"}, {"9.5", "X"}, {"3999", "MMMCMXCIX"}};
    for (const auto &row : rows) {
        const MemoryBox arabic(QLatin1String(row.arabic));
        MemoryBox roman(QStringLiteral("old"));
        ArabicToRoman(m_tables, arabic, roman);
        EXPECT_EQ(roman.text(), QLatin1String(row.roman)) << row.arabic;
        EXPECT_EQ(arabic.text(), QLatin1String(row.arabic));
        EXPECT_EQ(arabic.writes(), 0);
    }
}

TEST(UpperCased, AgreesWithUnicodeUpperCasing)
{
    const char16_t *const texts[] = {
        u"",          u"xiv",         u"XIV",     u"MmMcMxCiX",       u"x i v, 12!",
        u"@[`{~\x7f", u"stra\u00DFe", u"\u0131v", u"xiv\u0441\u043C", u"\uFB01x"};
    for (const char16_t *text : texts) {
        const QString input = QString::fromUtf16(text);
        EXPECT_EQ(upperCased(input), input.toUpper()) << input.toStdString();
    }
    // Every single 16-bit character, lone surrogates included.
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const QString one{QChar(char16_t(c))};
        ASSERT_EQ(upperCased(one), one.toUpper()) << std::hex << std::uint32_t(c);
    }
    const QString upper = QString::fromUtf16(u"MMXXVI");
    EXPECT_TRUE(upperCased(upper).isSharedWith(upper)); // nothing to change, nothing copied
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
        MemoryBox roman(QString::fromUtf16(row.typed));
        MemoryBox arabic(QStringLiteral("stale"));
        RomanToArabic(m_tables, roman, arabic);
        EXPECT_EQ(roman.text(), QString::fromUtf16(row.shown));
        EXPECT_EQ(arabic.text(), QString::fromUtf16(row.value));
    }
}

} // namespace
