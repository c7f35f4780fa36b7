// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 0, 0);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    hide();
#else
    m_notice = new QWidget(this);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setGeometry(0, 0, 0, 0);
    m_notice->hide();
#endif
}

void Announcer::announce(const QString &text)
{
    emit announced(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    m_notice->setAccessibleName(text);
    // Shown anew each time, so the same result twice is heard twice.
    m_notice->hide();
    m_notice->show();
#endif
}
