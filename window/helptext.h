// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

// The help box's text about the Roman number system and the assignment, one
// entry a line, exactly as it is shown (trailing blanks included).
[[nodiscard]] const QStringList &helpLines();

// The same text with every line ending in CR LF, the form it is stored in.
[[nodiscard]] QString helpText();
