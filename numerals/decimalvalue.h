// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

// The double nearest to a decimal number written as ASCII digits with an
// optional point, after an optional minus sign, whatever the C library's
// locale says a decimal point is. A number beyond a double's range is
// reported as such, its value then unspecified; one too small for a double
// may read as zero either way.
struct DecimalValue
{
    double value = 0.0;
    bool outOfRange = false;
};

[[nodiscard]] DecimalValue decimalValue(const std::string &number);
