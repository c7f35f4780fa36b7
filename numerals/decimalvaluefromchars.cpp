// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "decimalvalue.h"

#include <charconv>
#include <system_error>

DecimalValue decimalValue(const std::string &number)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    return {.value = value, .outOfRange = error == std::errc::result_out_of_range};
}
