// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "numeraltables.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void outOfBounds(const char *table, int slot, int tableSize)
{
    std::fprintf(stderr, "%s: slot %d is outside the table (0 to %d)\n", table, slot,
                 tableSize - 1);
    std::abort();
}

template <typename Table> const auto &checkedRead(const Table &table, int slot, const char *name)
{
    if (slot < 0 || slot >= int(table.size()))
        outOfBounds(name, slot, int(table.size()));
    return table[std::size_t(slot)];
}

constexpr std::array<char16_t, 7> Symbols{u'I', u'V', u'X', u'L', u'C', u'D', u'M'};
constexpr std::array<std::int16_t, 7> Values{1, 5, 10, 50, 100, 500, 1000};

// Pieces by position (ones, tens, hundreds, thousands), then by digit 1 to 9.
// No accepted number has a thousands digit above 3, so those pieces are blank.
constexpr std::array<std::array<const char16_t *, 9>, 4> Pieces{{
    {u"I", u"II", u"III", u"IV", u"V", u"VI", u"VII", u"VIII", u"IX"},
    {u"X", u"XX", u"XXX", u"XL", u"L", u"LX", u"LXX", u"LXXX", u"XC"},
    {u"C", u"CC", u"CCC", u"CD", u"D", u"DC", u"DCC", u"DCCC", u"CM"},
    {u"M", u"MM", u"MMM", u" ", u" ", u" ", u" ", u" ", u" "},
}};

} // namespace

void NumeralTables::fill()
{
    for (std::size_t slot = 0; slot < Symbols.size(); ++slot)
        m_romanSymbols[slot] = std::u16string(1, Symbols[slot]);
    for (std::size_t slot = 0; slot < Values.size(); ++slot)
        m_romanValues[slot] = Values[slot];
    for (std::size_t slot = 0; slot + 1 < m_romanChunks.size(); ++slot)
        m_romanChunks[slot] = Pieces[slot % 4][slot / 4];
}

NumeralTables NumeralTables::filled()
{
    NumeralTables tables;
    tables.fill();
    return tables;
}

const std::u16string &NumeralTables::RomanSymbols(int slot) const
{
    return checkedRead(m_romanSymbols, slot, "RomanSymbols");
}

std::int16_t NumeralTables::RomanValues(int slot) const
{
    return checkedRead(m_romanValues, slot, "RomanValues");
}

const std::u16string &NumeralTables::RomanChunks(int slot) const
{
    return checkedRead(m_romanChunks, slot, "RomanChunks");
}
