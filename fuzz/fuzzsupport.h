// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include "numeraltables.h"

#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

// The fuzzer's bytes as 16-bit text: each pair of bytes, low byte first, is one
// code unit of any value, lone surrogates and nulls included. An odd last byte
// is dropped.
inline QString textFromBytes(const std::uint8_t *data, std::size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    QChar *units = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto low = char16_t(data[2 * i]);
        const auto high = char16_t(data[2 * i + 1]);
        units[i] = QChar(char16_t(low | high << 8));
    }
    return text;
}

// A copy of a text in a heap block of exactly its length, so AddressSanitizer
// reports a read one unit before its start or past its end; a QString would
// hide the latter behind its terminating null and spare capacity.
class ExactText
{
public:
    explicit ExactText(QStringView text) : m_units(text.utf16(), text.utf16() + text.size()) {}

    [[nodiscard]] std::u16string_view view() const { return {m_units.data(), m_units.size()}; }

private:
    std::vector<char16_t> m_units;
};

// Ends the run on a broken property; libFuzzer then saves the input.
inline void require(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz property broken: %s\n", property);
    std::abort();
}

inline const NumeralTables &filledTables()
{
    static const NumeralTables tables = NumeralTables::filled();
    return tables;
}
