// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "accessibleroles.h"

#include "announcer.h"
#include "converterform.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

QAccessibleInterface *converterFormInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(ConverterForm::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    if (object->objectName() == QLatin1String("notice") &&
        qobject_cast<Announcer *>(object->parent()) != nullptr)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    // Only the label on top of the window; the legend stays plain text.
    if (className == QLatin1String(QLabel::staticMetaObject.className()) &&
        object->objectName() == QLatin1String("Label1_0") &&
        qobject_cast<ConverterForm *>(object->parent()) != nullptr) {
        auto *label = static_cast<QLabel *>(object);
        return new QAccessibleWidget(label, QAccessible::Heading, label->text());
    }
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    // Installing the same factory again is a no-op.
    QAccessible::installFactory(converterFormInterface);
}
