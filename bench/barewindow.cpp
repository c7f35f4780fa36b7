// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QWidget>

// The yardstick for the converter's start-up: a window of the converter's
// size with a caption and nothing inside it.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(461, 425);
    window.show();
    return QApplication::exec();
}
