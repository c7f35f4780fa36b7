// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

Announcer::Announcer(QWidget *window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("announcer"));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Queued, so that the screen reader hears of the new focus first and
    // takes the change as one to a control it has left, which it keeps quiet.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *) {
        if (old != nullptr && old == m_carrier)
            QMetaObject::invokeMethod(this, &Announcer::giveBackDescription, Qt::QueuedConnection);
    });
#endif
}

void Announcer::announce(const QString &text)
{
    emit announced(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(m_window, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    QWidget *focus = m_window->focusWidget();
    if (focus == nullptr)
        return;
    if (focus != m_carrier) {
        giveBackDescription();
        m_carrier = focus;
        m_ownDescription = focus->accessibleDescription();
    }
    // The same result twice is still a second press, and is heard again.
    if (focus->accessibleDescription() == text) {
        QAccessibleEvent event(focus, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    } else {
        focus->setAccessibleDescription(text);
    }
#endif
}

void Announcer::giveBackDescription()
{
    if (m_carrier)
        m_carrier->setAccessibleDescription(m_ownDescription);
    m_carrier = nullptr;
}
