// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "announcements.h"

QString romanCalculatedAnnouncement(const QString &arabic, bool romanUpperCased)
{
    QString text = QStringLiteral("Арабско число: %1.").arg(arabic);
    // The upper-cased text itself is not read out: the box may hold any
    // amount of it, and the user can read it there.
    if (romanUpperCased)
        text += QStringLiteral(" Римското число е изписано с главни букви.");
    return text;
}

QString arabicCalculatedAnnouncement(const QString &roman)
{
    return QStringLiteral("Римско число: %1.").arg(roman);
}

QString arabicRefusedAnnouncement()
{
    return QStringLiteral("Арабското число е изтрито.");
}

QString clearedAnnouncement()
{
    return QStringLiteral("Двете полета са изчистени.");
}
