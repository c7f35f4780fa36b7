// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "announcements.h"

std::u16string romanCalculatedAnnouncement(std::u16string_view arabic, bool romanUpperCased)
{
    std::u16string text = u"Арабско число: ";
    text += arabic;
    text += u'.';
    // The upper-cased text itself is not read out: the box may hold any
    // amount of it, and the user can read it there.
    if (romanUpperCased)
        text += u" Римското число е изписано с главни букви.";
    return text;
}

std::u16string arabicCalculatedAnnouncement(std::u16string_view roman)
{
    std::u16string text = u"Римско число: ";
    text += roman;
    text += u'.';
    return text;
}

std::u16string arabicRefusedAnnouncement()
{
    return u"Арабското число е изтрито.";
}

std::u16string clearedAnnouncement()
{
    return u"Двете полета са изчистени.";
}

std::u16string pasteNotHeldAnnouncement()
{
    return u"Поставеният текст е твърде дълъг за този браузър. Полето не е променено.";
}
