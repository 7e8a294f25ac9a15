// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/MeasureWords.h"
#include "core/NumberWords.h"

#include <QTest>

class TestNumberWords : public QObject
{
    Q_OBJECT

private slots:
    void italian_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("words");
        QTest::newRow("zero") << 0 << "zero";
        QTest::newRow("eleven") << 11 << "undici";
        QTest::newRow("nineteen") << 19 << "diciannove";
        QTest::newRow("twenty-one drops a vowel") << 21 << "ventuno";
        QTest::newRow("twenty-eight drops a vowel") << 28 << "ventotto";
        QTest::newRow("forty-three takes the accent") << 43 << "quarantatré";
        QTest::newRow("seventy-one") << 71 << "settantuno";
        QTest::newRow("ninety") << 90 << "novanta";
        QTest::newRow("hundred") << 100 << "cento";
    }

    void italian()
    {
        QFETCH(int, value);
        QTEST(NumberWords::italian(value), "words");
    }

    // Every number of a sentence is read as words, the rest left as it stands.
    void sentences()
    {
        QCOMPARE(NumberWords::numbersInWords("43 - 17 = ?"), "quarantatré - diciassette = ?");
        QCOMPARE(NumberWords::numbersInWords("Esercizio 1 finito: 8 risposte esatte su 10."),
            "Esercizio uno finito: otto risposte esatte su dieci.");
    }

    // On paper the measures break after a comma and never run past their width.
    void measuresOnPaper()
    {
        Measures::PupilMeasures all { true, 5, true, true, true };
        const QString line = Measures::measuresLine(all);
        const QStringList lines = Measures::measuresLines(all, 40);
        QCOMPARE(lines.join(' '), line);
        for (const QString &part : lines)
            QVERIFY2(part.size() <= 40, qPrintable(part));
        QVERIFY(lines.size() > 1);
        QVERIFY(Measures::measuresLines({}, 40).isEmpty());
        QCOMPARE(Measures::measuresLine({}), QString());
    }
};

QTEST_GUILESS_MAIN(TestNumberWords)
#include "tst_numberwords.moc"
