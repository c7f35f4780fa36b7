// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>

// The usual numeral of a number, built greedily from the largest piece: a
// reference for the tests and fuzzers that shares nothing with the
// table-driven conversion. Zero and negative numbers give the empty string.
inline std::u16string greedyNumeral(int number)
{
    struct Piece
    {
        int value;
        const char16_t *letters;
    };
    static constexpr std::array<Piece, 13> Pieces{{{1000, u"M"},
                                                   {900, u"CM"},
                                                   {500, u"D"},
                                                   {400, u"CD"},
                                                   {100, u"C"},
                                                   {90, u"XC"},
                                                   {50, u"L"},
                                                   {40, u"XL"},
                                                   {10, u"X"},
                                                   {9, u"IX"},
                                                   {5, u"V"},
                                                   {4, u"IV"},
                                                   {1, u"I"}}};
    std::u16string numeral;
    for (const Piece &piece : Pieces) {
        for (; number >= piece.value; number -= piece.value)
            numeral += piece.letters;
    }
    return numeral;
}
