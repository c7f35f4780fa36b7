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
    // A build that carries Qt's catalogue inside the program (where the
    // system has none, as on Windows) finds it in its resources; otherwise
    // it is Qt's own, installed beside Qt.
    const QStringList folders{QStringLiteral(":/translations"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString &folder : folders) {
        if (translator->load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}
