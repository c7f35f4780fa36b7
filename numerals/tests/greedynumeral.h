// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLatin1String>
#include <QString>

#include <array>

// The usual numeral of a number, built greedily from the largest piece: a
// reference for the tests and fuzzers that shares nothing with the
// table-driven conversion. Zero and negative numbers give the empty string.
inline QString greedyNumeral(int number)
{
    struct Piece
    {
        int value;
        const char *letters;
    };
    static constexpr std::array<Piece, 13> Pieces{{{1000, "M"},
                                                   {900, "CM"},
                                                   {500, "D"},
                                                   {400, "CD"},
                                                   {100, "C"},
                                                   {90, "XC"},
                                                   {50, "L"},
                                                   {40, "XL"},
                                                   {10, "X"},
                                                   {9, "IX"},
                                                   {5, "V"},
                                                   {4, "IV"},
                                                   {1, "I"}}};
    QString numeral;
    for (const Piece &piece : Pieces) {
        for (; number >= piece.value; number -= piece.value)
            numeral += QLatin1String(piece.letters);
    }
    return numeral;
}
