// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ProgressWords.h"
#include "core/SecondsAxis.h"

#include <QTest>

using namespace Register;

class TestProgressWords : public QObject
{
    Q_OBJECT

private slots:
    void encouragement_data()
    {
        QTest::addColumn<QList<int>>("percents");
        QTest::addColumn<QList<double>>("seconds");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("first day") << QList<int> { 60 } << QList<double> { 6 }
                                   << "È il tuo primo giorno di allenamento: continua così!";
        QTest::newRow("three fewer in ten than the first day")
            << QList<int> { 50, 90, 80 } << QList<double> { 6, 6, 7 }
            << "Rispetto alla prima volta sbagli 3 operazioni in meno su 10";
        QTest::newRow("as many mistakes, faster today")
            << QList<int> { 80, 80 } << QList<double> { 6.4, 3.5 }
            << "Oggi sei stato più veloce: 4 secondi invece di 6";
        QTest::newRow("neither") << QList<int> { 80, 76 } << QList<double> { 4, 4.4 }
                                 << "Ogni giorno di allenamento conta: continua così!";
    }
    void encouragement()
    {
        QFETCH(QList<int>, percents);
        QFETCH(QList<double>, seconds);
        QFETCH(QString, sentence);
        QList<DayPoint> days;
        for (int i = 0; i < percents.size(); ++i)
            days.append({ QDate(2026, 12, 8).addDays(i + 1 - percents.size()), 10, percents[i],
                seconds[i] });
        QCOMPARE(Register::encouragement(days, QDate(2026, 12, 8)), sentence);
    }

    // The chart's seconds axis leaves room above the slowest day in whole-second steps.
    void secondsAxisTop_data()
    {
        QTest::addColumn<double>("slowest");
        QTest::addColumn<int>("top");
        QTest::newRow("no days") << 0.0 << 4;
        QTest::newRow("just fits") << 3.3 << 4;
        QTest::newRow("just over") << 3.4 << 8;
        QTest::newRow("six and a half") << 6.5 << 8;
        QTest::newRow("slow") << 6.7 << 12;
        QTest::newRow("very slow") << 41.0 << 52;
    }
    void secondsAxisTop()
    {
        QFETCH(double, slowest);
        QFETCH(int, top);
        QCOMPARE(SecondsAxis::top(slowest), top);
        QCOMPARE(top % SecondsAxis::Steps, 0);
    }
};

QTEST_APPLESS_MAIN(TestProgressWords)
#include "tst_progresswords.moc"
