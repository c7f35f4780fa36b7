// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

#include "helptext.h"

const QStringList &helpLines()
{
    static const QStringList lines{
        QStringLiteral("Римската бройна система е непозиционна, т.е стойността "),
        QStringLiteral("на цифрата не зависи от нейното място в записването на "),
        QStringLiteral("числото."),
        QStringLiteral("Всяка цифра съвпада (семиотично) с използваните букви: I "),
        QStringLiteral("= 1; V = 5; X = 10; L = 50; C = 100; D = 500; M = 1000 "),
        QStringLiteral("Изписването на римските числа се основава на следните "),
        QStringLiteral("принципи:"),
        QStringLiteral("символ, намиращ се отдясно на символ с по-голяма "),
        QStringLiteral("стойност, се прибавя към неговата стойност; вярно е и "),
        QStringLiteral("обратното - символ, намиращ се отляво на друг символ с "),
        QStringLiteral("по-голяма стойност, се изважда от неговата стойност;"),
        QStringLiteral("символите са подредени в низходящ ред по стойност, с "),
        QStringLiteral("изключение на онези за които се прилага предходното "),
        QStringLiteral("правило;"),
        QStringLiteral("символ, представляващ стойност 10^n, не може да се "),
        QStringLiteral("поставя пред символ, по-голям от 10^(n+1). Пример M "),
        QStringLiteral("може да бъде предшестван от D и C, но не и от I, V, X или "),
        QStringLiteral("L."),
        QStringLiteral("Да се реализира проект, представящ междупредметни "),
        QStringLiteral("връзки между Математика и Информатика."),
        QStringLiteral("Тема на проекта: Ксавора"),
        QStringLiteral("Проектът да преобразува числата с арабски цифри в римски "),
        QStringLiteral("и обратно, т.е. да решава правата и обратна задача."),
        QStringLiteral("Потребителят да избира какво число въвежда (в текстово "),
        QStringLiteral("поле) и чрез команден бутон да се извежда другото число."),
        QStringLiteral("Ограничение за въвежданите естествени числа - до 3999."),
        QStringLiteral(""),
        QStringLiteral(""),
        QStringLiteral(""),
        QStringLiteral("Прочетете допълнително материал за видовете бройни "),
        QStringLiteral("системи. Използвайте особеностите на римските числа, "),
        QStringLiteral("като ги групирате по 5, а липсващите допълнете с празен "),
        QStringLiteral("символ."),
        QStringLiteral("     0  + 10 ?10 ?100 ?1000 "),
        QStringLiteral(" 1   I   XI   X   C   M  "),
        QStringLiteral(" 2   II   XII   XX   CC   MM  "),
        QStringLiteral(" 3   III   XIII   XXX   CCC   MMM  "),
        QStringLiteral(" 4   IV   XIV   XL   CD    "),
        QStringLiteral(" 5   V   XV   L   D    "),
        QStringLiteral(" 6   VI   XVI   LX   DC    "),
        QStringLiteral(" 7   VII   XVII   LXX   DCC    "),
        QStringLiteral(" 8   VIII   XVIII   LXXX   DCCC    "),
        QStringLiteral(" 9   IX   XIX   XC   CM    "),
    };
    return lines;
}

QString helpText()
{
    QString text;
    for (const QString &line : helpLines())
        text += line + QStringLiteral("\r\n");
    return text;
}
