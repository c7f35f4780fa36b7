// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

// One of the two one-line boxes, as the conversions see it: a text of 16-bit
// characters that is read and replaced as a whole. The window and the page
// plug their boxes in here; tests and tools use MemoryBox.
class TextBox
{
public:
    TextBox() = default;
    TextBox(const TextBox &) = delete;
    TextBox &operator=(const TextBox &) = delete;
    virtual ~TextBox() = default;

    [[nodiscard]] virtual std::u16string text() const = 0;
    virtual void setText(std::u16string_view text) = 0;
};
