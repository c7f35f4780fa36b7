// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "bulgariantranslation.h"
#include "converterform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.RomanConverter"));
    installBulgarianTranslation(app);
    ConverterForm form;
    form.show();
    return QApplication::exec();
}
