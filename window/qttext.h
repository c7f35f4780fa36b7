// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// The core's texts and Qt's are both 16-bit characters: these convert at the
// window's edge without changing a unit.
[[nodiscard]] inline QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), qsizetype(text.size())).toString();
}

[[nodiscard]] inline std::u16string toU16String(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

// Qt's upper-casing, by Unicode's tables and independent of the locale: what
// the core asks for beyond a to z.
[[nodiscard]] inline std::u16string qtUpperCased(std::u16string_view text)
{
    return toU16String(toQString(text).toUpper());
}
