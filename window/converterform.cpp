// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "converterform.h"

#include "accessibleroles.h"
#include "announcer.h"
#include "buttons.h"
#include "helptext.h"
#include "lineeditbox.h"
#include "qttext.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <limits>

namespace {

// The layout was designed in twips, 15 to a pixel at 96 dots per inch; Qt's
// own high-DPI scaling takes the logical pixels from there.
constexpr int TwipsPerPixel = 15;

QRect fromTwips(int left, int top, int width, int height)
{
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel};
}

const QColor FormColour(128, 128, 255);
const QColor LabelColour(255, 192, 128);

void setBackColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *makeLabel(const QString &caption, const QRect &geometry, QWidget *parent,
                  const QString &name)
{
    // Named before it gets its text, so a screen reader that asks about it
    // at once already tells the heading from the legend.
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setText(caption);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    setBackColour(label, LabelColour);
    return label;
}

QGroupBox *makeFrame(const QString &caption, const QRect &geometry, QWidget *parent,
                     const QString &name)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

QLineEdit *makeBox(const QRect &geometry, QWidget *parent, const QString &name,
                   const QString &accessibleName, const QString &accessibleDescription)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    // A box takes any amount of text; only the acceptance rule limits numbers.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAccessibleName(accessibleName);
    // A screen reader user cannot see the legend or the help text beside the box.
    box->setAccessibleDescription(accessibleDescription);
    return box;
}

QPushButton *makeButton(const QString &caption, const QRect &geometry, QWidget *parent,
                        const QString &name, const QString &accessibleName)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAccessibleName(accessibleName);
    button->setFocusPolicy(Qt::StrongFocus);
    // Enter presses the focused button, as Space does; no button is the
    // window's default, so Enter in a box does nothing.
    button->setAutoDefault(true);
    return button;
}

// Frames are an etched line around a flat face, the caption sitting on the top
// line. A button's face is a flat fill of its own colour under any style or
// desktop theme, with a raised border that sinks while it is pressed.
// Captions on the window's fixed colours are black in every theme: the
// window's palette does not reach the children of a styled window, so a dark
// desktop would otherwise draw them light on light. The boxes keep the
// desktop's colours.
QString formStyleSheet()
{
    const auto button = [](const char *name, const QColor &colour) {
        return QStringLiteral("QPushButton#%1 { background-color: %2; border-color: %2; }"
                              "QPushButton#%1:focus { border-color: %3; }")
            .arg(QLatin1String(name), colour.name(), colour.darker(160).name());
    };
    return QStringLiteral("QLabel { color: black; }"
                          "QGroupBox { color: black; background-color: %1; border: 2px groove %1;"
                          " margin-top: 9px; }"
                          "QGroupBox::title { subcontrol-origin: margin; left: 6px;"
                          " padding: 0px 2px; background-color: %1; }"
                          "QPushButton { color: black; border-width: 2px; border-style: outset; }"
                          "QPushButton:pressed { border-style: inset; }")
               .arg(FormColour.name()) +
           button("Command1_0", QColor(128, 255, 128)) + button("Command2", QColor(0, 255, 0)) +
           button("Command1_1", QColor(255, 128, 128));
}

} // namespace

ConverterForm::ConverterForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
{
    installAccessibleRoles();
    setObjectName(QStringLiteral("ConverterForm"));
    setWindowTitle(QStringLiteral("www.example.org  Математика - непозиционна бр. система"));
    // The 32 pixel picture, and the 64 pixel one for a doubled scale; the
    // larger ones are for the desktop's icon theme and would only slow start-up.
    QIcon icon(QStringLiteral(":/icons/roman-converter.png"));
    icon.addFile(QStringLiteral(":/icons/roman-converter-64.png"));
    setWindowIcon(icon);
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setBackColour(this, FormColour);
    setFixedSize(fromTwips(0, 0, 6915, 6375).size());

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1_0"));
    m_text1->setGeometry(fromTwips(120, 3240, 6615, 3015));
    // Every line ends in a line break, the last one too, so the box ends in an
    // empty line below the table and a copy of the whole text ends in one.
    m_text1->setPlainText(toQString(helpText()));
    m_text1->setReadOnly(true);
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text1->setFocusPolicy(Qt::StrongFocus);
    m_text1->setTabChangesFocus(true);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setAccessibleName(QStringLiteral("Помощ: римската бройна система"));

    m_label1[0] = makeLabel(QStringLiteral("Ксавора"), fromTwips(960, 0, 4575, 375), this,
                            QStringLiteral("Label1_0"));
    m_label1[1] = makeLabel(QStringLiteral("1=I; V=5; X=10; L=50; C=100; D=500, M=1000"),
                            fromTwips(240, 480, 6135, 375), this, QStringLiteral("Label1_1"));
    m_label1[1]->setAccessibleDescription(
        QStringLiteral("Римските цифри и стойността на всяка от тях."));

    const QString romanCaption = QStringLiteral("Римски числа в арабски ");
    m_frame1 =
        makeFrame(romanCaption, fromTwips(120, 960, 6615, 975), this, QStringLiteral("Frame1"));
    m_text2 =
        makeBox(fromTwips(240, 360, 2295, 495), m_frame1, QStringLiteral("Text2"),
                romanCaption.trimmed(), QStringLiteral("Приема всяко римско число, например XIV."));
    m_command1[0] = makeButton(QStringLiteral("Изчисли"), fromTwips(2880, 360, 1455, 495), m_frame1,
                               QStringLiteral("Command1_0"),
                               QStringLiteral("Изчисли: ") + romanCaption.trimmed());
    m_command1[1] = makeButton(QStringLiteral("Изчисти"), fromTwips(4560, 360, 1575, 495), m_frame1,
                               QStringLiteral("Command1_1"), QStringLiteral("Изчисти"));
    // It sits in the Roman frame but empties the Arabic box too.
    m_command1[1]->setAccessibleDescription(
        QStringLiteral("Изчиства и двете полета: римското и арабското число."));

    const QString arabicCaption = QStringLiteral("Арабски числа в римски");
    m_frame2 =
        makeFrame(arabicCaption, fromTwips(120, 2040, 6615, 1095), this, QStringLiteral("Frame2"));
    m_text3 =
        makeBox(fromTwips(240, 360, 1815, 495), m_frame2, QStringLiteral("Text3"), arabicCaption,
                QStringLiteral("Приема число от 1 до 3999, записано с не повече от четири знака."));
    m_command2 =
        makeButton(QStringLiteral("Изчисли"), fromTwips(2880, 360, 1455, 495), m_frame2,
                   QStringLiteral("Command2"), QStringLiteral("Изчисли: ") + arabicCaption);

    setTabOrder(m_text1, m_text2);
    setTabOrder(m_text2, m_command1[0]);
    setTabOrder(m_command1[0], m_text3);
    setTabOrder(m_text3, m_command2);
    setTabOrder(m_command2, m_command1[1]);
    m_text1->setFocus();
    setStyleSheet(formStyleSheet());
    m_announcer = new Announcer(this);

    connect(m_command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(m_command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });
    connect(m_command2, &QPushButton::clicked, this, &ConverterForm::Command2_Click);

    // The window's Load: the tables are full before any click can arrive.
    m_tables.fill();

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void ConverterForm::Command1_Click(std::int16_t index)
{
    LineEditBox roman(m_text2);
    LineEditBox arabic(m_text3);
    switch (index) {
    case 0:
        m_announcer->announce(
            toQString(pressRomanCalculate(m_tables, roman, arabic, qtUpperCased)));
        break;
    case 1:
        m_announcer->announce(toQString(pressClear(roman, arabic)));
        break;
    default:
        break;
    }
}

void ConverterForm::Command2_Click()
{
    LineEditBox roman(m_text2);
    LineEditBox arabic(m_text3);
    m_announcer->announce(toQString(pressArabicCalculate(m_tables, arabic, roman)));
}
