// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary 16-bit text to the Arabic box's Calculate and checks that it
// is accepted exactly when it should be, that an accepted number becomes its
// standard Roman numeral, and that each outcome touches only the right box;
// and the conversion of the number read, whether accepted or not.

#include "arabicinput.h"
#include "conversions.h"
#include "fuzzsupport.h"
#include "greedynumeral.h"
#include "memorybox.h"
#include "numericreading.h"
#include "qttext.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const NumeralTables &tables = filledTables();
    const std::u16string text = toU16String(textFromBytes(data, size));
    const std::u16string previousRoman = u"MMXXV";

    MemoryBox arabic(text);
    MemoryBox roman(previousRoman);
    calculateArabic(tables, arabic, roman);

    const NumericReading reading = readNumber(text);
    if (reading.finite) {
        // nearbyint rounds halves to even in the default rounding mode.
        const double rounded = std::nearbyint(reading.value);
        require(roundHalfToEven(reading.value) == rounded, "halves round to the even neighbour");
        // Whatever the window would make of the text, the conversion itself
        // has a numeral for 1 to 3999 after rounding, and for nothing else.
        const std::u16string numeral = romanNumeral(tables, reading.value);
        require(rounded >= 1.0 && rounded <= LargestNumeral ? numeral == greedyNumeral(int(rounded))
                                                            : numeral.empty(),
                "a numeral exactly for the numbers that round to 1 to 3999");
    } else {
        require(romanNumeral(tables, reading.value).empty(), "no numeral for an overflow");
    }

    const bool acceptable =
        reading.finite && reading.value >= 1.0 && reading.value <= 3999.0 && text.size() <= 4;
    require(acceptsArabicText(text) == acceptable, "accepted exactly the numbers 1 to 3999");

    if (!acceptable) {
        require(roman.writes() == 0 && roman.text() == previousRoman,
                "a refusal leaves the Roman box alone");
        require(arabic.writes() == 1 && arabic.text().empty(), "a refusal empties the Arabic box");
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
