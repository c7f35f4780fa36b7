// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <string>

// The three lookup tables the conversions read: the seven Roman symbols with
// their values, and the Roman piece of every digit in every decimal position.
// They start empty, are filled once by fill(), and are only read afterwards.
// Every read is checked: a slot outside a table is a programming error and
// ends the program with a message instead of yielding a wrong value.
class NumeralTables
{
public:
    static constexpr int SymbolSlots = 8; // slots 0 to 7; slot 7 stays empty
    static constexpr int ChunkSlots = 37; // slots 0 to 36; slot 36 stays empty

    // The slot of a digit's piece: the four positions of one digit side by side.
    static constexpr int chunkSlot(int digit, int position)
    {
        return ((digit - 1) * 4) + position - 1;
    }

    void fill();
    // Tables already filled, for what needs them without a window's Load.
    [[nodiscard]] static NumeralTables filled();

    [[nodiscard]] const std::u16string &RomanSymbols(int slot) const;
    [[nodiscard]] std::int16_t RomanValues(int slot) const;
    [[nodiscard]] const std::u16string &RomanChunks(int slot) const;

private:
    std::array<std::u16string, SymbolSlots> m_romanSymbols;
    std::array<std::int16_t, SymbolSlots> m_romanValues{};
    std::array<std::u16string, ChunkSlots> m_romanChunks;
};
