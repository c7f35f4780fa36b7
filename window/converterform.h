// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#pragma once

#include "numeraltables.h"

#include <QWidget>

#include <array>
#include <cstdint>

class Announcer;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The program's only window: a heading, the symbol legend, a frame that turns
// a Roman numeral into a number, a frame that turns a number into a Roman
// numeral, and the help text. Its layout is fixed, in the units it was
// designed in, and it owns the numeral tables both conversions read.
class ConverterForm : public QWidget
{
    Q_OBJECT

public:
    explicit ConverterForm(QWidget *parent = nullptr);

    // The buttons of the Roman frame: 0 is Calculate, 1 is Clear.
    void Command1_Click(std::int16_t index);
    // Calculate in the Arabic frame.
    void Command2_Click();

private:
    NumeralTables m_tables;

    QPlainTextEdit *m_text1 = nullptr;
    std::array<QLabel *, 2> m_label1{};
    QGroupBox *m_frame1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    std::array<QPushButton *, 2> m_command1{};
    QGroupBox *m_frame2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QPushButton *m_command2 = nullptr;
    Announcer *m_announcer = nullptr;
};
