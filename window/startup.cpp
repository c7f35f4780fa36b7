// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "startup.h"

#include "bulgariantranslation.h"

#include <QApplication>

std::unique_ptr<ConverterForm> startConverter(QApplication &app)
{
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.RomanConverter"));
    // Without Qt's catalogue its texts stay English, and the window still works.
    installBulgarianTranslation(app);
    auto form = std::make_unique<ConverterForm>();
    form->show();
    return form;
}
