// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include "textbox.h"

#include <utility>

// A box that keeps its text in memory and counts how often it was replaced,
// so callers can tell a box that was rewritten from one left alone.
class MemoryBox final : public TextBox
{
public:
    explicit MemoryBox(std::u16string text = {}) : m_text(std::move(text)) {}

    [[nodiscard]] std::u16string text() const override { return m_text; }
    void setText(std::u16string_view text) override
    {
        m_text = text;
        ++m_writes;
    }
    [[nodiscard]] int writes() const { return m_writes; }

private:
    std::u16string m_text;
    int m_writes = 0;
};
