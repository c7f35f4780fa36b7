// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <clocale>

// The tests run in the locale the environment names, which the C library
// adopts here as the program's application object has it adopt it, so that a
// run in another locale sees that locale's number formats and case rules.
int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
