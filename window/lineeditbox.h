// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include "textbox.h"

#include <QLineEdit>

// Lets the conversions read and replace the text of one of the window's
// one-line boxes.
class LineEditBox final : public TextBox
{
public:
    explicit LineEditBox(QLineEdit *edit) : m_edit(edit) {}

    [[nodiscard]] QString text() const override { return m_edit->text(); }
    void setText(const QString &text) override { m_edit->setText(text); }

private:
    QLineEdit *m_edit;
};
