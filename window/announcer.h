// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Speaks what each button did through assistive technology, once the screen
// reader has finished what it is saying; nothing is shown on screen. The one
// place that hands announcements to Qt's accessibility. With Qt 6.8 and later
// it is an announcement. Before that Qt has none, so the text becomes, for a
// moment, the description of the control that has the focus, which a screen
// reader speaks when it changes; the control gets its own description back as
// soon as the focus moves on.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);

signals:
    // Every text announced, as it is handed on.
    void announced(const QString &text);

private:
    void giveBackDescription();

    QWidget *m_window;
    // The control that carries an announcement as its description, and the
    // description that is its own.
    QPointer<QWidget> m_carrier;
    QString m_ownDescription;
};
