// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// One of the window's two one-line boxes, as the conversions see it: a text
// that is read and replaced as a whole. The window plugs its edit boxes in
// here; tests and tools use MemoryBox.
class TextBox
{
public:
    TextBox() = default;
    TextBox(const TextBox &) = delete;
    TextBox &operator=(const TextBox &) = delete;
    virtual ~TextBox() = default;

    [[nodiscard]] virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
};
