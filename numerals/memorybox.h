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
    explicit MemoryBox(QString text = {}) : m_text(std::move(text)) {}

    [[nodiscard]] QString text() const override { return m_text; }
    void setText(const QString &text) override
    {
        m_text = text;
        ++m_writes;
    }
    [[nodiscard]] int writes() const { return m_writes; }

private:
    QString m_text;
    int m_writes = 0;
};
