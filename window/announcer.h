// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QWidget>

// Speaks what each button did through assistive technology, once the screen
// reader has finished what it is saying; the one place that hands
// announcements to Qt's accessibility. With Qt 6.8 and later it is an
// announcement. Qt before that has none, and tells a screen reader of a
// changed name or description by the control alone, not by the new text; so
// this widget is the window's status bar, and a notification in it takes the
// text as its name and starts showing, which a screen reader speaks as it
// stands. Neither has a size, so nothing shows on screen; neither takes the
// focus, and no control's name or description is touched.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);

signals:
    // Every text announced, as it is handed on.
    void announced(const QString &text);

private:
    QWidget *m_notice = nullptr;
};
