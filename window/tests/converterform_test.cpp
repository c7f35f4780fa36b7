// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "announcer.h"
#include "conversions.h"
#include "converterform.h"
#include "helptext.h"
#include "qttext.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <memory>

class TestConverterForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void captions();
    void colours_data();
    void colours();
    void fontAndSize();
    void captionsFitTheirControls();
    void helpTextLines();
    void upperCasingAgreesWithQt();
    void helpBoxShowsEveryLine();
    void helpBoxCopiesItsWholeText();
    void focusOrder();
    void enterAndEscapeInABox();
    void enterPressesTheFocusedButton();
    void arabicCalculate_data();
    void arabicCalculate();
    void refusalRepeatsOnAnEmptyBox();
    void romanCalculate_data();
    void romanCalculate();
    void clearEmptiesBothBoxes();
    void unknownButtonIndexDoesNothing();
    void announcementLeavesControlsAlone_data();
    void announcementLeavesControlsAlone();

private:
    template <typename T> T *child(const char *name) const
    {
        auto *widget = m_form->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    [[nodiscard]] QLineEdit *romanBox() const { return child<QLineEdit>("Text2"); }
    [[nodiscard]] QLineEdit *arabicBox() const { return child<QLineEdit>("Text3"); }
    void click(const char *button) const
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    // What a screen reader was handed since the last call.
    [[nodiscard]] QStringList announced() const
    {
        QStringList texts;
        for (const QList<QVariant> &arguments : *m_announced)
            texts << arguments.at(0).toString();
        m_announced->clear();
        return texts;
    }

    std::unique_ptr<ConverterForm> m_form;
    std::unique_ptr<QSignalSpy> m_announced;
};

namespace {

QString helpLine(std::size_t line)
{
    return toQString(helpLines().at(line));
}

// The tables of calculations.json, which the page's tests in a browser share.
const QJsonObject &calculations()
{
    static const QJsonObject tables = [] {
        QFile file(QStringLiteral(CALCULATIONS));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", CALCULATIONS);
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return tables;
}

QJsonValue table(const char *name)
{
    return calculations()[QLatin1String(name)];
}

// A text of the tables: as it is, or {"repeat": unit, "length": n}, the unit
// over and over cut to n characters.
QString tableText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    const QString unit = value[QLatin1String("repeat")].toString();
    const qsizetype length = value[QLatin1String("length")].toInteger();
    return unit.repeated(length / unit.size() + 1).left(length);
}

// Adds a row for each row of a table, its name first, then its texts.
void addRows(const char *name)
{
    for (const QJsonValue row : table(name)[QLatin1String("rows")].toArray()) {
        const QJsonArray cells = row.toArray();
        QTestData &data = QTest::newRow(qPrintable(cells.at(0).toString()));
        for (qsizetype i = 1; i < cells.size(); ++i) {
            if (cells.at(i).isBool())
                data << cells.at(i).toBool();
            else
                data << tableText(cells.at(i));
        }
    }
}

// What a screen reader is told: one of the texts of the tables, with %1
// filled in.
QString announcement(const char *name, const QString &value = {})
{
    const QString text = table("announcements")[QLatin1String(name)].toString();
    return value.isNull() ? text : text.arg(value);
}

// Types a text key by key, as a user would; works for any alphabet.
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

void TestConverterForm::init()
{
    m_form = std::make_unique<ConverterForm>();
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_announced =
        std::make_unique<QSignalSpy>(child<Announcer>("announcer"), &Announcer::announced);
}

void TestConverterForm::cleanup()
{
    m_announced.reset();
    m_form.reset();
}

void TestConverterForm::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");

    // Logical pixels: the designed twips over 15.
    QTest::newRow("help box") << "Text1_0"
                              << "ConverterForm" << QRect(8, 216, 441, 201);
    QTest::newRow("heading") << "Label1_0"
                             << "ConverterForm" << QRect(64, 0, 305, 25);
    QTest::newRow("legend") << "Label1_1"
                            << "ConverterForm" << QRect(16, 32, 409, 25);
    QTest::newRow("roman frame") << "Frame1"
                                 << "ConverterForm" << QRect(8, 64, 441, 65);
    QTest::newRow("roman box") << "Text2"
                               << "Frame1" << QRect(16, 24, 153, 33);
    QTest::newRow("roman calculate") << "Command1_0"
                                     << "Frame1" << QRect(192, 24, 97, 33);
    QTest::newRow("clear") << "Command1_1"
                           << "Frame1" << QRect(304, 24, 105, 33);
    QTest::newRow("arabic frame") << "Frame2"
                                  << "ConverterForm" << QRect(8, 136, 441, 73);
    QTest::newRow("arabic box") << "Text3"
                                << "Frame2" << QRect(16, 24, 121, 33);
    QTest::newRow("arabic calculate") << "Command2"
                                      << "Frame2" << QRect(192, 24, 97, 33);
}

void TestConverterForm::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);

    const auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    // Nothing reaches past its container.
    QVERIFY(widget->parentWidget()->rect().contains(widget->geometry()));
}

void TestConverterForm::captions()
{
    QCOMPARE(m_form->windowTitle(),
             QStringLiteral("www.example.org  Математика - непозиционна бр. система"));
    QCOMPARE(child<QLabel>("Label1_0")->text(), QStringLiteral("Ксавора"));
    QCOMPARE(child<QLabel>("Label1_1")->text(),
             QStringLiteral("1=I; V=5; X=10; L=50; C=100; D=500, M=1000"));
    QCOMPARE(child<QGroupBox>("Frame1")->title(), QStringLiteral("Римски числа в арабски "));
    QCOMPARE(child<QGroupBox>("Frame2")->title(), QStringLiteral("Арабски числа в римски"));
    QCOMPARE(child<QPushButton>("Command1_0")->text(), QStringLiteral("Изчисли"));
    QCOMPARE(child<QPushButton>("Command1_1")->text(), QStringLiteral("Изчисти"));
    QCOMPARE(child<QPushButton>("Command2")->text(), QStringLiteral("Изчисли"));
    QVERIFY(romanBox()->text().isEmpty());
    QVERIFY(arabicBox()->text().isEmpty());
    QVERIFY(!m_form->windowIcon().isNull());
    QCOMPARE(m_form->windowIcon().actualSize(QSize(32, 32)), QSize(32, 32));
}

void TestConverterForm::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("colour");

    // Points on each face that no caption covers.
    QTest::newRow("window") << "ConverterForm" << QPoint(3, 60) << QColor(128, 128, 255);
    QTest::newRow("roman frame") << "Frame1" << QPoint(425, 40) << QColor(128, 128, 255);
    QTest::newRow("arabic frame") << "Frame2" << QPoint(425, 50) << QColor(128, 128, 255);
    QTest::newRow("heading") << "Label1_0" << QPoint(3, 3) << QColor(255, 192, 128);
    QTest::newRow("legend") << "Label1_1" << QPoint(3, 3) << QColor(255, 192, 128);
    QTest::newRow("roman calculate") << "Command1_0" << QPoint(6, 6) << QColor(128, 255, 128);
    QTest::newRow("roman calculate bottom")
        << "Command1_0" << QPoint(90, 26) << QColor(128, 255, 128);
    QTest::newRow("arabic calculate") << "Command2" << QPoint(6, 6) << QColor(0, 255, 0);
    QTest::newRow("arabic calculate bottom") << "Command2" << QPoint(90, 26) << QColor(0, 255, 0);
    QTest::newRow("clear") << "Command1_1" << QPoint(6, 6) << QColor(255, 128, 128);
    QTest::newRow("clear bottom") << "Command1_1" << QPoint(98, 26) << QColor(255, 128, 128);
}

void TestConverterForm::colours()
{
    QFETCH(QString, name);
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);

    QWidget *widget =
        name == m_form->objectName() ? m_form.get() : m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QImage face = widget->grab().toImage();
    QCOMPARE(face.pixelColor(where * face.devicePixelRatio()).rgb(), colour.rgb());
}

void TestConverterForm::fontAndSize()
{
    const QFont font = m_form->font();
    QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.weight(), QFont::Normal);
    // Times New Roman itself on Windows; where it is missing, Liberation Serif
    // stands in for it, with the same metrics and Cyrillic.
    const QString family = QFontInfo(font).family();
    QVERIFY2(QStringLiteral(SERIF_FAMILIES).split(u'|').contains(family), qPrintable(family));
    for (const QWidget *widget : m_form->findChildren<QWidget *>(Qt::FindChildrenRecursively))
        QCOMPARE(widget->font(), font);

    QCOMPARE(m_form->size(), QSize(461, 425));
    QCOMPARE(m_form->minimumSize(), QSize(461, 425));
    QCOMPARE(m_form->maximumSize(), QSize(461, 425));
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
}

void TestConverterForm::captionsFitTheirControls()
{
    for (const QLabel *label : m_form->findChildren<QLabel *>()) {
        const QFontMetrics metrics = label->fontMetrics();
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
        QVERIFY(metrics.height() <= label->height());
    }
    for (const QPushButton *button : m_form->findChildren<QPushButton *>()) {
        const QFontMetrics metrics = button->fontMetrics();
        // Room for the border on each side.
        QVERIFY2(metrics.horizontalAdvance(button->text()) + 8 <= button->width(),
                 qPrintable(button->text()));
        QVERIFY(metrics.height() + 4 <= button->height());
    }
    for (const QGroupBox *frame : m_form->findChildren<QGroupBox *>()) {
        QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) + 16 <= frame->width(),
                 qPrintable(frame->title()));
        // The caption stays above the frame's first row of controls.
        for (const QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY(frame->fontMetrics().height() <= control->y());
    }
    for (const QLineEdit *box : {romanBox(), arabicBox()})
        QVERIFY(box->fontMetrics().height() + 4 <= box->height());
}

void TestConverterForm::helpTextLines()
{
    QCOMPARE(helpLines().size(), std::size_t(43));
    QCOMPARE(helpLine(0),
             QStringLiteral("Римската бройна система е непозиционна, т.е стойността "));
    QCOMPARE(helpLine(17), QStringLiteral("L."));
    QCOMPARE(helpLine(20), QStringLiteral("Тема на проекта: Ксавора"));
    QCOMPARE(helpLine(25),
             QStringLiteral("Ограничение за въвежданите естествени числа - до 3999."));
    QCOMPARE(helpLine(26), QString());
    QCOMPARE(helpLine(27), QString());
    QCOMPARE(helpLine(28), QString());
    QCOMPARE(helpLine(33), QStringLiteral("     0  + 10 ?10 ?100 ?1000 "));
    QCOMPARE(helpLine(37), QStringLiteral(" 4   IV   XIV   XL   CD    "));
    QCOMPARE(helpLine(42), QStringLiteral(" 9   IX   XIX   XC   CM    "));

    const QString text = toQString(helpText());
    const QJsonValue expected = table("helpText");
    QCOMPARE(text.size(), expected[QLatin1String("length")].toInteger());
    QCOMPARE(text.count(QStringLiteral("\r\n")), expected[QLatin1String("lines")].toInteger());
    QVERIFY(text.endsWith(QStringLiteral(" CM    \r\n")));
    QVERIFY(!text.contains(u'\t'));
    // The whole text to the letter: an edited or moved line, or a look-alike
    // letter from another alphabet, changes the digest.
    QCOMPARE(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex(),
             expected[QLatin1String("sha256")].toString().toLatin1());
}

// Beyond a to z the window upper-cases as Qt does, by Unicode's tables and in
// no locale's way; a to z never needs Qt.
void TestConverterForm::upperCasingAgreesWithQt()
{
    const auto upper = [](const QString &text) {
        return toQString(upperCased(toU16String(text), qtUpperCased));
    };
    for (const char16_t *text :
         {u"", u"xiv", u"MmMcMxCiX", u"x i v, 12!", u"@[`{~\x7f", u"stra\u00DFe", u"\u0131v",
          u"i\u0307", u"xiv\u0441\u043C", u"\uFB01x"}) {
        const QString input = QString::fromUtf16(text);
        QCOMPARE(upper(input), input.toUpper());
    }
    // Every single 16-bit character, lone surrogates included.
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const QString one{QChar(char16_t(c))};
        if (upper(one) != one.toUpper())
            QFAIL(qPrintable(QString::number(std::uint32_t(c), 16)));
    }
    const auto onlyAscii = [](std::u16string_view) -> std::u16string {
        qFatal("the platform was asked to upper-case plain ASCII");
    };
    QCOMPARE(toQString(upperCased(u"mmxxvi", onlyAscii)), QStringLiteral("MMXXVI"));
}

void TestConverterForm::helpBoxShowsEveryLine()
{
    auto *help = child<QPlainTextEdit>("Text1_0");
    const QTextDocument *document = help->document();
    // The 43 lines, and the empty line after the last one's line break.
    QCOMPARE(document->blockCount(), 44);
    for (int i = 0; i < 43; ++i)
        QCOMPARE(document->findBlockByNumber(i).text(), helpLine(std::size_t(i)));
    QCOMPARE(document->lastBlock().text(), QString());

    // Opens at its first line, and its scroll bar reaches the table at the end.
    QScrollBar *bar = help->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(help->cursorForPosition(QPoint(2, 2)).blockNumber(), 0);
    bar->setValue(bar->maximum());
    const QPoint bottom(2, help->viewport()->height() - 4);
    QCOMPARE(help->cursorForPosition(bottom).blockNumber(), 43);
    const QTextCursor lastLine(document->findBlockByNumber(42));
    QVERIFY(help->viewport()->rect().contains(help->cursorRect(lastLine)));
}

void TestConverterForm::helpBoxCopiesItsWholeText()
{
    auto *help = child<QPlainTextEdit>("Text1_0");
    help->setFocus();
    QTest::keyClick(help, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(help, Qt::Key_C, Qt::ControlModifier);
    // What a user copies: every line, each ending in a line break.
    QString lines;
    for (const std::u16string_view line : helpLines())
        lines += toQString(line) + u'\n';
    QCOMPARE(QGuiApplication::clipboard()->text(), lines);

    // The caret goes down to the empty line below the table, and no further.
    QTest::keyClick(help, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(help->textCursor().blockNumber(), 43);
    QVERIFY(help->textCursor().atEnd());
}

void TestConverterForm::focusOrder()
{
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("Text1_0"));

    const QStringList order{QStringLiteral("Text2"),      QStringLiteral("Command1_0"),
                            QStringLiteral("Text3"),      QStringLiteral("Command2"),
                            QStringLiteral("Command1_1"), QStringLiteral("Text1_0")};
    const QString helpBefore = child<QPlainTextEdit>("Text1_0")->toPlainText();
    for (const QString &name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    QCOMPARE(child<QPlainTextEdit>("Text1_0")->toPlainText(), helpBefore);

    for (qsizetype i = order.size() - 2; i >= -1; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), i >= 0 ? order.at(i) : order.last());
    }
}

void TestConverterForm::enterAndEscapeInABox()
{
    for (QLineEdit *box : {romanBox(), arabicBox()}) {
        box->setFocus();
        type(box, QStringLiteral("14"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(box, Qt::Key_Escape);
    }
    QCOMPARE(romanBox()->text(), QStringLiteral("14"));
    QCOMPARE(arabicBox()->text(), QStringLiteral("14"));
    QVERIFY(m_form->isVisible());
}

void TestConverterForm::enterPressesTheFocusedButton()
{
    arabicBox()->setText(QStringLiteral("14"));
    auto *calculate = child<QPushButton>("Command2");
    calculate->setFocus();
    QTest::keyClick(calculate, Qt::Key_Return);
    QCOMPARE(romanBox()->text(), QStringLiteral("XIV"));
}

void TestConverterForm::arabicCalculate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("roman");  // what the Roman box then shows
    QTest::addColumn<QString>("arabic"); // and the Arabic box
    addRows("arabicCalculate");
}

void TestConverterForm::arabicCalculate()
{
    QFETCH(QString, typed);
    QFETCH(QString, roman);
    QFETCH(QString, arabic);

    romanBox()->setText(table("arabicCalculate")[QLatin1String("romanBefore")].toString());
    if (typed.size() < 20)
        type(arabicBox(), typed);
    else
        arabicBox()->setText(typed);
    QCOMPARE(arabicBox()->text(), typed);
    click("Command2");
    QCOMPARE(romanBox()->text(), roman);
    QCOMPARE(arabicBox()->text(), arabic);
    // The numeral now in the Roman box, or that the number was erased.
    const QString expected =
        arabic.isEmpty() ? announcement("arabicRefused") : announcement("arabicCalculated", roman);
    QCOMPARE(announced(), QStringList{expected});
}

void TestConverterForm::refusalRepeatsOnAnEmptyBox()
{
    type(arabicBox(), QStringLiteral("5000"));
    click("Command2");
    QCOMPARE(arabicBox()->text(), QString());
    click("Command2");
    QCOMPARE(arabicBox()->text(), QString());
    QCOMPARE(romanBox()->text(), QString());
    QCOMPARE(announced(), QStringList(2, announcement("arabicRefused")));
}

void TestConverterForm::romanCalculate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("roman");
    QTest::addColumn<QString>("arabic");
    QTest::addColumn<bool>("upperCased"); // and the screen reader says so
    addRows("romanCalculate");
}

void TestConverterForm::romanCalculate()
{
    QFETCH(QString, typed);
    QFETCH(QString, roman);
    QFETCH(QString, arabic);
    QFETCH(bool, upperCased);

    arabicBox()->setText(table("romanCalculate")[QLatin1String("arabicBefore")].toString());
    if (typed.size() < 20)
        type(romanBox(), typed);
    else
        romanBox()->setText(typed);
    click("Command1_0");
    QCOMPARE(romanBox()->text(), roman);
    QCOMPARE(arabicBox()->text(), arabic);
    QString expected = announcement("romanCalculated", arabic);
    if (upperCased)
        expected += announcement("romanUpperCased");
    QCOMPARE(announced(), QStringList{expected});

    // The result converts back where it is a standard numeral.
    if (roman == QStringLiteral("MMMCMXCIX")) {
        click("Command2");
        QCOMPARE(romanBox()->text(), roman);
    }
}

void TestConverterForm::clearEmptiesBothBoxes()
{
    const QString help = child<QPlainTextEdit>("Text1_0")->toPlainText();
    type(romanBox(), QStringLiteral("xiv"));
    type(arabicBox(), QStringLiteral("14"));
    click("Command1_1");
    QCOMPARE(romanBox()->text(), QString());
    QCOMPARE(arabicBox()->text(), QString());
    click("Command1_1");
    QCOMPARE(romanBox()->text(), QString());
    QCOMPARE(arabicBox()->text(), QString());
    QCOMPARE(child<QPlainTextEdit>("Text1_0")->toPlainText(), help);
    QCOMPARE(announced(), QStringList(2, announcement("cleared")));
}

void TestConverterForm::unknownButtonIndexDoesNothing()
{
    romanBox()->setText(QStringLiteral("xiv"));
    arabicBox()->setText(QStringLiteral("7"));
    m_form->Command1_Click(2);
    m_form->Command1_Click(-1);
    QCOMPARE(romanBox()->text(), QStringLiteral("xiv"));
    QCOMPARE(arabicBox()->text(), QStringLiteral("7"));
}

void TestConverterForm::announcementLeavesControlsAlone_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("roman calculate") << "Command1_0";
    QTest::newRow("arabic calculate") << "Command2";
    QTest::newRow("clear") << "Command1_1";
}

void TestConverterForm::announcementLeavesControlsAlone()
{
    QFETCH(QString, button);
    auto *pressed = m_form->findChild<QPushButton *>(button);
    const auto nameAndDescription = [pressed] {
        const QAccessibleInterface *control = QAccessible::queryAccessibleInterface(pressed);
        return QStringList{control->text(QAccessible::Name),
                           control->text(QAccessible::Description)};
    };
    const QStringList own = nameAndDescription();
    arabicBox()->setText(QStringLiteral("14"));
    pressed->setFocus();
    for (int press = 0; press < 2; ++press)
        QTest::keyClick(pressed, Qt::Key_Space);
    const QStringList texts = announced();
    QCOMPARE(texts.size(), 2);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // A notification in a status bar that starts showing, with the text as
    // its name; a screen reader speaks it without naming its role.
    auto *notice = child<QWidget>("notice");
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(notice);
    QCOMPARE(accessible->role(), QAccessible::Notification);
    QCOMPARE(accessible->parent()->role(), QAccessible::StatusBar);
    QCOMPARE(accessible->text(QAccessible::Name), texts.last());
    QVERIFY(notice->isVisible());
    QVERIFY(notice->size().isEmpty() && child<Announcer>("announcer")->size().isEmpty());
#endif
    QCOMPARE(nameAndDescription(), own);
    QCOMPARE(QApplication::focusWidget(), pressed);
}

QTEST_MAIN(TestConverterForm)
#include "converterform_test.moc"
