// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

// The fair yardstick for the converter's start-up: the bare window plus one
// label and one one-line box in the converter's font. Any window that shows
// text makes Qt load its font database before the window is mapped; this one
// pays that too, so the gap to the converter is the converter's own.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text window"));
    window.setFixedSize(461, 425);
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    window.setFont(font);
    auto *label = new QLabel(QStringLiteral("Ксавора"), &window);
    label->setGeometry(64, 0, 305, 25);
    auto *box = new QLineEdit(&window);
    box->setGeometry(16, 88, 153, 33);
    window.show();
    return QApplication::exec();
}
