// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ColumnForm.h"

#include <QTest>

class TestColumnForm : public QObject
{
    Q_OBJECT

private slots:
    // The operation the pupil should do, in words, for each hidden term and the exchange's
    // edge cases: a one-digit subtrahend, one ten left, none left.
    void worked_data()
    {
        QTest::addColumn<int>("minuend");
        QTest::addColumn<int>("subtrahend");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("form"); // top, sign, bottom, result, marks
        QTest::addColumn<QString>("words");
        QTest::newRow("exchange") << 53 << 17 << 1 << "53-17=36 exchange"
                                  << "Cambio una decina in 10 unità: 13 meno 7 fa 6. Restano 4 "
                                     "decine: 4 meno 1 fa 3. Il risultato è 36.";
        QTest::newRow("hidden minuend: the addition and its carry")
            << 53 << 17 << 2 << "36+17=53 carry"
            << "Il minuendo è la differenza più il sottraendo: 36 più 17. Unità: 6 più 7 fa 13: "
               "scrivo 3 e riporto 1 decina. Decine: 3 più 1 più 1 di riporto fa 5. Il "
               "risultato è 53.";
        QTest::newRow("hidden subtrahend: minuend less difference")
            << 53 << 17 << 3 << "53-36=17 exchange"
            << "Il sottraendo è il minuendo meno la differenza: 53 meno 36. Cambio una decina in "
               "10 unità: 13 meno 6 fa 7. Restano 4 decine: 4 meno 3 fa 1. Il risultato è 17.";
        QTest::newRow("one ten left, one-digit subtrahend")
            << 24 << 9 << 1 << "24-9=15 exchange"
            << "Cambio una decina in 10 unità: 14 meno 9 fa 5. Resta 1 decina. Il risultato è 15.";
        QTest::newRow("no ten left") << 15 << 9 << 1 << "15-9=6 exchange"
                                     << "Cambio una decina in 10 unità: 15 meno 9 fa 6. Non "
                                        "restano decine. Il risultato è 6.";
        QTest::newRow("no exchange") << 58 << 23 << 1 << "58-23=35"
                                     << "Unità: 8 meno 3 fa 5. Decine: 5 meno 2 fa 3. Il "
                                        "risultato è 35.";
        QTest::newRow("one digit, no carry") << 9 << 4 << 2 << "5+4=9"
                                             << "Il minuendo è la differenza più il sottraendo: 5 "
                                                "più 4. 5 più 4 fa 9. Il risultato è 9.";
    }
    void worked()
    {
        QFETCH(int, minuend);
        QFETCH(int, subtrahend);
        QFETCH(int, asked);
        QFETCH(QString, form);
        QFETCH(QString, words);
        const ColumnForm::Form worked = ColumnForm::worked(minuend, subtrahend, asked);
        QString seen = QStringLiteral("%1%2%3=%4")
                           .arg(worked.top)
                           .arg(worked.addition ? '+' : '-')
                           .arg(worked.bottom)
                           .arg(worked.result);
        if (worked.exchange)
            seen += QStringLiteral(" exchange");
        if (worked.carry)
            seen += QStringLiteral(" carry");
        QCOMPARE(seen, form);
        QCOMPARE(ColumnForm::words(minuend, subtrahend, asked), words);
    }
};

QTEST_APPLESS_MAIN(TestColumnForm)
#include "tst_columnform.moc"
