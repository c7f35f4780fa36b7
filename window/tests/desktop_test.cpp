// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "startup.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// What a user meets beyond the numbers: Qt's own texts in Bulgarian, and the
// names and descriptions a screen reader announces.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowNamesItsDesktopEntry();
    void contextMenusAreBulgarian_data();
    void contextMenusAreBulgarian();
    void accessibleTexts_data();
    void accessibleTexts();

private:
    std::unique_ptr<ConverterForm> m_form;
};

void TestDesktop::initTestCase()
{
    // Whatever the user's locale, the program's start-up makes Qt's texts Bulgarian.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_form = startConverter(*qApp);
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestDesktop::windowNamesItsDesktopEntry()
{
    // A dock or a Wayland compositor finds the window's icon and name through
    // this: the entry's file name without its suffix.
    const QString entry = QStringLiteral(DESKTOP_ENTRIES "/%1.desktop");
    QVERIFY2(QFileInfo::exists(entry.arg(QGuiApplication::desktopFileName())),
             qPrintable(QGuiApplication::desktopFileName()));
}

void TestDesktop::contextMenusAreBulgarian_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("roman box") << "Text2";
    QTest::newRow("arabic box") << "Text3";
}

void TestDesktop::contextMenusAreBulgarian()
{
    QFETCH(QString, box);
    auto *edit = m_form->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    edit->setText(QStringLiteral("xiv"));
    edit->selectAll();
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0);
    }
    const QStringList expected{QStringLiteral("&Отмяна"),           QStringLiteral("По&втаряне"),
                               QStringLiteral("&Изрязване"),        QStringLiteral("&Копиране"),
                               QStringLiteral("&Поставяне"),        QStringLiteral("Изтриване"),
                               QStringLiteral("Избиране на всичко")};
    QCOMPARE(texts, expected);
}

void TestDesktop::accessibleTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("announced");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("focusable");

    // A top-level window, so a screen reader can speak its title on request.
    QTest::newRow("window") << "ConverterForm"
                            << "www.example.org  Математика - непозиционна бр. система" << QString()
                            << int(QAccessible::Window) << false;
    QTest::newRow("heading") << "Label1_0"
                             << "Ксавора" << QString() << int(QAccessible::Heading) << false;
    QTest::newRow("legend") << "Label1_1"
                            << "1=I; V=5; X=10; L=50; C=100; D=500, M=1000"
                            << "Римските цифри и стойността на всяка от тях."
                            << int(QAccessible::StaticText) << false;
    QTest::newRow("roman box") << "Text2"
                               << "Римски числа в арабски"
                               << "Приема всяко римско число, например XIV."
                               << int(QAccessible::EditableText) << true;
    QTest::newRow("arabic box")
        << "Text3"
        << "Арабски числа в римски"
        << "Приема число от 1 до 3999, записано с не повече от четири знака."
        << int(QAccessible::EditableText) << true;
    QTest::newRow("roman calculate")
        << "Command1_0"
        << "Изчисли: Римски числа в арабски" << QString() << int(QAccessible::Button) << true;
    QTest::newRow("arabic calculate")
        << "Command2"
        << "Изчисли: Арабски числа в римски" << QString() << int(QAccessible::Button) << true;
    // It sits in the Roman frame, so its description says it empties both.
    QTest::newRow("clear") << "Command1_1"
                           << "Изчисти"
                           << "Изчиства и двете полета: римското и арабското число."
                           << int(QAccessible::Button) << true;
    QTest::newRow("help box") << "Text1_0"
                              << "Помощ: римската бройна система" << QString()
                              << int(QAccessible::EditableText) << true;
}

void TestDesktop::accessibleTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, announced);
    QFETCH(QString, description);
    QFETCH(int, role);
    QFETCH(bool, focusable);

    QWidget *widget =
        name == m_form->objectName() ? m_form.get() : m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), announced);
    QCOMPARE(accessible->text(QAccessible::Description), description);
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(bool(accessible->state().focusable), focusable);
}

QTEST_MAIN(TestDesktop)
#include "desktop_test.moc"
