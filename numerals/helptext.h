// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>
#include <string_view>

// The help box's text about the Roman number system and the assignment, one
// entry a line, exactly as it is shown (trailing blanks included).
[[nodiscard]] const std::array<std::u16string_view, 43> &helpLines();

// The same text with every line ending in CR LF, the form it is stored in.
[[nodiscard]] std::u16string helpText();
