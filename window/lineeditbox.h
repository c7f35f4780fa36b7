// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include "qttext.h"
#include "textbox.h"

#include <QLineEdit>

// Lets the conversions read and replace the text of one of the window's
// one-line boxes.
class LineEditBox final : public TextBox
{
public:
    explicit LineEditBox(QLineEdit *edit) : m_edit(edit) {}

    [[nodiscard]] std::u16string text() const override { return toU16String(m_edit->text()); }
    void setText(std::u16string_view text) override { m_edit->setText(toQString(text)); }

private:
    QLineEdit *m_edit;
};
