// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary 16-bit text to the Roman box's Calculate and checks the
// upper-cased box and the decimal value against a plain reference scan.

#include "conversions.h"
#include "fuzzsupport.h"
#include "memorybox.h"
#include "qttext.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

int symbolValue(QChar c)
{
    switch (c.unicode()) {
    case u'I':
        return 1;
    case u'V':
        return 5;
    case u'X':
        return 10;
    case u'L':
        return 50;
    case u'C':
        return 100;
    case u'D':
        return 500;
    case u'M':
        return 1000;
    default:
        return 0;
    }
}

// From the last symbol to the first: one smaller than the symbol to its right
// is subtracted, any other added; everything else is skipped. Signed, so a
// total below zero would show rather than wrap.
std::int64_t referenceValue(QStringView upper)
{
    std::int64_t total = 0;
    int right = 0;
    for (qsizetype i = upper.size() - 1; i >= 0; --i) {
        const int value = symbolValue(upper[i]);
        if (value == 0)
            continue;
        total += value < right ? -value : value;
        right = value;
    }
    return total;
}

bool isPlainDecimal(const QString &digits)
{
    if (digits.isEmpty() || (digits.size() > 1 && digits.front() == u'0'))
        return false;
    return std::ranges::all_of(digits, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Qt 6.4 upper-cases a lone surrogate either to itself or to U+FFFD,
// depending on what stands before it and on whether the QString is a
// temporary; "\uFB01\uD800".toUpper() gives "FI\uD800" while the same text
// held in a temporary gives "FI\uFFFD". Two upper-casings of one text may
// therefore differ there, and only there.
bool sameUpToLoneSurrogates(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const bool replaced = (a[i].isSurrogate() && b[i] == QChar::ReplacementCharacter) ||
                              (b[i].isSurrogate() && a[i] == QChar::ReplacementCharacter);
        if (a[i] != b[i] && !replaced)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const NumeralTables &tables = filledTables();
    const QString text = textFromBytes(data, size);

    MemoryBox roman(toU16String(text));
    MemoryBox arabic(u"stale");
    RomanToArabic(tables, roman, arabic, qtUpperCased);

    const QString upper = text.toUpper();
    const QString shown = toQString(roman.text());
    require(roman.writes() == 1 && sameUpToLoneSurrogates(shown, upper),
            "the Roman box shows the text upper-cased");
    require(arabic.writes() == 1, "the Arabic box is written once");
    require(upper.toUpper() == upper && QString(shown).toUpper() == shown,
            "upper-casing twice changes nothing");

    const QString digits = toQString(arabic.text());
    RomanToArabic(tables, roman, arabic, qtUpperCased);
    require(toQString(roman.text()) == shown && toQString(arabic.text()) == digits,
            "a second Calculate changes nothing");

    require(isPlainDecimal(digits), "the value is plain decimal digits");

    const std::int64_t expected = referenceValue(upper);
    require(expected >= 0, "the reference value is never negative");
    require(digits == QString::fromStdString(std::to_string(expected)),
            "the value matches the reference scan");

    QString symbols;
    for (const QChar c : upper) {
        if (symbolValue(c) != 0)
            symbols += c;
    }
    require(romanValue(tables, ExactText(symbols).view()) == std::uint64_t(expected),
            "characters that are no symbols do not count");
    require(romanValue(tables, ExactText(shown).view()) == std::uint64_t(expected),
            "the value of the box's text");
    require(expected <= 1000 * std::int64_t(symbols.size()), "no symbol is worth more than 1000");
    return 0;
}
