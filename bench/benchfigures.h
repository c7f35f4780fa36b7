// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

// The middle of a set of timings, or the mean of the two middle ones for an
// even count. Unlike a mean it ignores the odd run that a shared machine slows.
inline std::optional<double> median(std::vector<double> values)
{
    if (values.empty())
        return std::nullopt;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 != 0)
        return *middle;
    return (*std::max_element(values.begin(), middle) + *middle) / 2;
}

// The number in one field of a /proc/<pid>/status text, such as the kB of
// "VmHWM:\t  45120 kB"; nothing when no line starts with that field.
inline std::optional<long> statusField(std::string_view status, std::string_view field)
{
    while (!status.empty()) {
        const std::size_t end = std::min(status.find('\n'), status.size());
        std::string_view line = status.substr(0, end);
        status.remove_prefix(std::min(end + 1, status.size()));
        if (!line.starts_with(field) || line.substr(field.size(), 1) != ":")
            continue;
        line.remove_prefix(field.size() + 1);
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        long value = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), value);
        if (error != std::errc())
            return std::nullopt;
        return value;
    }
    return std::nullopt;
}
