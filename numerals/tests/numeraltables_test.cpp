// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "numeraltables.h"

#include <gtest/gtest.h>

namespace {

TEST(NumeralTables, StartEmpty)
{
    const NumeralTables tables;
    for (int slot = 0; slot < NumeralTables::SymbolSlots; ++slot) {
        EXPECT_TRUE(tables.RomanSymbols(slot).empty()) << slot;
        EXPECT_EQ(tables.RomanValues(slot), 0) << slot;
    }
    for (int slot = 0; slot < NumeralTables::ChunkSlots; ++slot)
        EXPECT_TRUE(tables.RomanChunks(slot).empty()) << slot;
}

TEST(NumeralTables, SymbolsAndValuesSideBySide)
{
    const NumeralTables tables = NumeralTables::filled();
    const struct
    {
        const char16_t *symbol;
        int value;
    } expected[] = {{u"I", 1},   {u"V", 5},   {u"X", 10},   {u"L", 50},
                    {u"C", 100}, {u"D", 500}, {u"M", 1000}, {u"", 0}};
    for (int slot = 0; slot < NumeralTables::SymbolSlots; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(tables.RomanSymbols(slot), expected[slot].symbol);
        EXPECT_EQ(tables.RomanValues(slot), expected[slot].value);
    }
}

TEST(NumeralTables, ChunksLaidOutDigitByDigit)
{
    const NumeralTables tables = NumeralTables::filled();
    // One row per digit 1 to 9: ones, tens, hundreds, thousands.
    const char16_t *const rows[9][4] = {
        {u"I", u"X", u"C", u"M"},         {u"II", u"XX", u"CC", u"MM"},
        {u"III", u"XXX", u"CCC", u"MMM"}, {u"IV", u"XL", u"CD", u" "},
        {u"V", u"L", u"D", u" "},         {u"VI", u"LX", u"DC", u" "},
        {u"VII", u"LXX", u"DCC", u" "},   {u"VIII", u"LXXX", u"DCCC", u" "},
        {u"IX", u"XC", u"CM", u" "},
    };
    int slot = 0;
    for (const auto &row : rows) {
        for (const char16_t *piece : row) {
            SCOPED_TRACE(slot);
            EXPECT_EQ(tables.RomanChunks(slot), piece);
            ++slot;
        }
    }
    EXPECT_EQ(tables.RomanChunks(15), u" ");
    EXPECT_EQ(tables.RomanChunks(36), u"");
}

TEST(NumeralTables, ChunkSlotOfDigitAndPosition)
{
    EXPECT_EQ(NumeralTables::chunkSlot(1, 1), 0);
    EXPECT_EQ(NumeralTables::chunkSlot(4, 4), 15);
    EXPECT_EQ(NumeralTables::chunkSlot(9, 3), 34);
    EXPECT_EQ(NumeralTables::chunkSlot(9, 4), 35);
}

using NumeralTablesDeathTest = ::testing::Test;

TEST_F(NumeralTablesDeathTest, ReadOutsideTheBoundsFailsLoudly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const NumeralTables tables = NumeralTables::filled();
    EXPECT_DEATH((void)tables.RomanSymbols(8), "RomanSymbols: slot 8 is outside");
    EXPECT_DEATH((void)tables.RomanValues(-1), "RomanValues: slot -1 is outside");
    EXPECT_DEATH((void)tables.RomanChunks(37), "RomanChunks: slot 37 is outside");
}

} // namespace
