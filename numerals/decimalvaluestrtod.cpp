// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "decimalvalue.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

// For a C library whose strtod always takes a point, as the page's does: the
// C++ library there has no from_chars for a double.
DecimalValue decimalValue(const std::string &number)
{
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    return {.value = value, .outOfRange = errno == ERANGE && std::isinf(value)};
}
