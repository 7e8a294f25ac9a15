// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ReportWords.h"

#include <QTest>

class TestReportWords : public QObject
{
    Q_OBJECT

private slots:
    // Each record read in words: where it stands, the operation with "quanto" for the hidden
    // term, and once judged what the pupil wrote, right or wrong, and its seconds.
    void records_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("words");
        QTest::newRow("right") << 1 << "15 -  7 =  ?   (8)   5 Tp"
                               << "Esercizio 1, operazione 1: 15 meno 7 uguale quanto; "
                                  "hai scritto 8, giusto; 5 secondi";
        QTest::newRow("wrong, minuend hidden") << 13 << " ? -  7 =  8  (16)* 12 Tp"
                                               << "Esercizio 2, operazione 3: quanto meno 7 uguale "
                                                  "8; hai scritto 16, sbagliato; 12 secondi";
        QTest::newRow("subtrahend hidden, one second")
            << 40 << " 5 -  ? =  5   (0)   1 Tp"
            << "Esercizio 4, operazione 10: 5 meno quanto uguale 5; hai scritto 0, giusto; 1 "
               "secondo";
        QTest::newRow("empty answer") << 5 << "15 -  7 =  ?   ()*  3 Tp"
                                      << "Esercizio 1, operazione 5: 15 meno 7 uguale quanto; "
                                         "non hai scritto niente, sbagliato; 3 secondi";
        QTest::newRow("not answered yet") << 21 << "15 -  7 =  ?"
                                          << "Esercizio 3, operazione 1: 15 meno 7 uguale quanto?";
        QTest::newRow("not a record") << 3 << "Tempo totale"
                                      << "Tempo totale";
    }
    void records()
    {
        QFETCH(int, index);
        QFETCH(QString, line);
        QFETCH(QString, words);
        QCOMPARE(ReportWords::record(index, line), words);
    }

    void timeBoxes_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("words");
        QTest::newRow("finished") << 1 << " 53"
                                  << "Esercizio 1, tempo totale: 53 secondi.";
        QTest::newRow("no time") << 2 << ""
                                 << "Esercizio 2, tempo totale: nessuno.";
    }
    void timeBoxes()
    {
        QFETCH(int, exercise);
        QFETCH(QString, time);
        QFETCH(QString, words);
        QCOMPARE(ReportWords::timeBox(exercise, time), words);
    }
};

QTEST_APPLESS_MAIN(TestReportWords)
#include "tst_reportwords.moc"
