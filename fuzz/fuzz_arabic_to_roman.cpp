// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary 16-bit text to the Arabic box's Calculate and checks that it
// is accepted exactly when it should be, that an accepted number becomes its
// standard Roman numeral, and that each outcome touches only the right box.

#include "arabicinput.h"
#include "conversions.h"
#include "fuzzsupport.h"
#include "memorybox.h"
#include "numericreading.h"

#include <QString>

#include <array>
#include <cmath>
#include <cstdint>

namespace {

// The usual numeral, built greedily from the largest piece, sharing nothing
// with the table-driven conversion.
QString greedyNumeral(int number)
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const NumeralTables &tables = filledTables();
    const QString text = textFromBytes(data, size);
    const QString previousRoman = QStringLiteral("MMXXV");

    MemoryBox arabic(text);
    MemoryBox roman(previousRoman);
    calculateArabic(tables, arabic, roman);

    const NumericReading reading = readNumber(text);
    if (reading.finite) {
        // nearbyint rounds halves to even in the default rounding mode.
        require(roundHalfToEven(reading.value) == std::nearbyint(reading.value),
                "halves round to the even neighbour");
    }

    const bool acceptable =
        reading.finite && reading.value >= 1.0 && reading.value <= 3999.0 && text.size() <= 4;
    require(acceptsArabicText(text) == acceptable, "accepted exactly the numbers 1 to 3999");

    if (!acceptable) {
        require(roman.writes() == 0 && roman.text() == previousRoman,
                "a refusal leaves the Roman box alone");
        require(arabic.writes() == 1 && arabic.text().isEmpty(),
                "a refusal empties the Arabic box");
        return 0;
    }

    require(arabic.writes() == 0 && arabic.text() == text, "the typed number stays as typed");
    require(roman.writes() == 1, "the Roman box is written once");
    const auto rounded = int(std::nearbyint(reading.value));
    require(rounded >= 1 && rounded <= 3999, "an accepted number rounds into range");
    require(roman.text() == greedyNumeral(rounded), "the standard numeral of the number");
    require(romanValue(tables, roman.text()) == std::uint64_t(rounded),
            "the numeral reads back as the rounded number");
    return 0;
}
