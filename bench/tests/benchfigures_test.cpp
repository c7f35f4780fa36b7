// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "benchfigures.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

namespace {

struct MedianCase
{
    std::vector<double> values;
    std::optional<double> middle;
};

TEST(Median, IsTheMiddleValueWhateverTheOrder)
{
    const MedianCase cases[] = {
        {{}, std::nullopt},          {{7.0}, 7.0},
        {{3.0, 1.0, 2.0}, 2.0},      {{4.0, 1.0, 3.0, 2.0}, 2.5},
        {{5.0, 5.0, 1.0, 5.0}, 5.0}, {{120.0, 118.0, 900.0, 119.0, 121.0}, 120.0},
        {{10.0, 40.0}, 25.0},
    };
    for (const MedianCase &c : cases)
        EXPECT_EQ(median(c.values), c.middle) << "over " << c.values.size() << " values";
}

constexpr std::string_view Status = "Name:\troman-converter\n"
                                    "VmPeak:\t  612340 kB\n"
                                    "VmHWM:\t   45120 kB\n"
                                    "VmRSS:\t   44876 kB\n"
                                    "HugetlbPages:\t       0 kB\n"
                                    "Threads:\t3\n"
                                    "VmBroken:\t kB\n"
                                    "VmLast:\t12 kB";

struct FieldCase
{
    std::string_view field;
    std::optional<long> value;
};

TEST(StatusField, ReadsOnlyTheWholeFieldAtALineStart)
{
    const FieldCase cases[] = {
        {"VmHWM", 45120},         {"VmRSS", 44876},
        {"VmPeak", 612340},       {"Threads", 3},
        {"HugetlbPages", 0},      {"VmLast", 12},
        {"Vm", std::nullopt},     {"HWM", std::nullopt},
        {"VmSwap", std::nullopt}, {"VmBroken", std::nullopt},
        {"Name", std::nullopt},
    };
    for (const FieldCase &c : cases)
        EXPECT_EQ(statusField(Status, c.field), c.value) << c.field;
}

TEST(StatusField, FindsNothingInAnEmptyStatus)
{
    EXPECT_EQ(statusField({}, "VmHWM"), std::nullopt);
}

} // namespace
