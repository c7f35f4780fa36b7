// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "bulgariantranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installBulgarianTranslation(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    if (!translator->load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
