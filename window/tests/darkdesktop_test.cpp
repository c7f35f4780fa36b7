// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "converterform.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

// A dark desktop's colours, as GNOME's dark Adwaita gives them: light text on
// dark faces and boxes.
const QColor DarkFace(53, 53, 53);
const QColor DarkBase(45, 45, 45);
const QColor LightText(238, 238, 236);

QPalette darkPalette()
{
    QPalette palette;
    for (const auto role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, DarkFace);
    palette.setColor(QPalette::Base, DarkBase);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, LightText);
    return palette;
}

// Relative luminance and contrast ratio as WCAG defines them.
double luminance(const QColor &colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Where a control's caption is drawn, in the control's coordinates: a frame's
// on its top line, a button's inside its raised border, a label's anywhere.
QRect captionArea(QWidget *widget)
{
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
    }
    if (qobject_cast<QPushButton *>(widget))
        return widget->rect().adjusted(3, 3, -3, -3);
    return widget->rect();
}

} // namespace

// Under a dark desktop theme the captions drawn on the window's own fixed
// colours stay dark and legible, while the boxes take the desktop's colours,
// their text included.
class TestDarkDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsStayLegible_data();
    void captionsStayLegible();
    void boxesFollowTheDesktop_data();
    void boxesFollowTheDesktop();

private:
    // A rectangle of a child, in the pixels of the window's picture.
    [[nodiscard]] QRect inPicture(QWidget *widget, const QRect &area) const;

    std::unique_ptr<ConverterForm> m_form;
    QImage m_picture;
};

void TestDarkDesktop::initTestCase()
{
    // Desktop themes also give some kinds of control a palette of their own,
    // which no parent's palette overrides.
    QApplication::setPalette(darkPalette());
    for (const char *kind : {"QLabel", "QGroupBox", "QPushButton", "QAbstractButton", "QLineEdit",
                             "QPlainTextEdit", "QAbstractScrollArea"})
        QApplication::setPalette(darkPalette(), kind);
    m_form = std::make_unique<ConverterForm>();
    m_form->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("MMMCMXCIX"));
    m_form->findChild<QLineEdit *>(QStringLiteral("Text3"))->setText(QStringLiteral("3999"));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_picture = m_form->grab().toImage();
}

QRect TestDarkDesktop::inPicture(QWidget *widget, const QRect &area) const
{
    const double ratio = m_picture.devicePixelRatio();
    const QRect onForm(widget->mapTo(m_form.get(), area.topLeft()), area.size());
    return {QPoint(qRound(onForm.left() * ratio), qRound(onForm.top() * ratio)),
            QSize(qRound(onForm.width() * ratio), qRound(onForm.height() * ratio))};
}

void TestDarkDesktop::captionsStayLegible_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("face");

    QTest::newRow("heading") << "Label1_0" << QColor(255, 192, 128);
    QTest::newRow("legend") << "Label1_1" << QColor(255, 192, 128);
    QTest::newRow("roman frame caption") << "Frame1" << QColor(128, 128, 255);
    QTest::newRow("arabic frame caption") << "Frame2" << QColor(128, 128, 255);
    QTest::newRow("roman calculate") << "Command1_0" << QColor(128, 255, 128);
    QTest::newRow("clear") << "Command1_1" << QColor(255, 128, 128);
    QTest::newRow("arabic calculate") << "Command2" << QColor(0, 255, 0);
}

void TestDarkDesktop::captionsStayLegible()
{
    QFETCH(QString, name);
    QFETCH(QColor, face);

    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QRect area = inPicture(widget, captionArea(widget));
    QVERIFY(!area.isEmpty());
    // The caption lies on the control's own colour, whatever the theme's.
    QCOMPARE(m_picture.pixelColor(area.topLeft()).rgb(), face.rgb());

    // The text's strongest pixel against the face: its stroke, not its edges.
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, contrast(m_picture.pixelColor(x, y), face));
    }
    QVERIFY2(strongest >= 4.5,
             qPrintable(QStringLiteral("contrast %1:1").arg(strongest, 0, 'f', 2)));
}

void TestDarkDesktop::boxesFollowTheDesktop_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("roman box") << "Text2";
    QTest::newRow("arabic box") << "Text3";
    QTest::newRow("help box") << "Text1_0";
}

void TestDarkDesktop::boxesFollowTheDesktop()
{
    QFETCH(QString, name);

    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    // Inside the box's border: a scrolled box's page, a line box's inside.
    QRect area = widget->rect().adjusted(3, 3, -3, -3);
    if (auto *scrolled = qobject_cast<QAbstractScrollArea *>(widget)) {
        widget = scrolled->viewport();
        area = widget->rect();
    }
    area = inPicture(widget, area);

    // Mostly the desktop's box colour, and next to it the colour of the text
    // on it (not of the odd caret pixel), as legible as the captions.
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[m_picture.pixel(x, y)];
    }
    const auto fewer = [](auto a, auto b) { return a.second < b.second; };
    const auto commonest = std::max_element(counts.begin(), counts.end(), fewer);
    QCOMPARE(QColor(commonest->first), DarkBase);
    counts.erase(commonest);
    const QColor text(std::max_element(counts.begin(), counts.end(), fewer)->first);
    const double textContrast = contrast(text, DarkBase);
    QVERIFY2(textContrast >= 4.5,
             qPrintable(QStringLiteral("text contrast %1:1").arg(textContrast, 0, 'f', 2)));
}

QTEST_MAIN(TestDarkDesktop)
#include "darkdesktop_test.moc"
