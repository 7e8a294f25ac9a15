// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ReportLayout.h"

#include <QTest>

class TestReportLayout : public QObject
{
    Q_OBJECT

private slots:
    // Four columns of ten cells, one column per exercise.
    void cellPlaces_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<QRect>("place");
        QTest::newRow("first") << 1 << QRect(180, 900, 2895, 435);
        QTest::newRow("bottom of column 1") << 10 << QRect(180, 4950, 2895, 435);
        QTest::newRow("top of column 2") << 11 << QRect(3105, 900, 2895, 435);
        QTest::newRow("second row of column 3") << 22 << QRect(6030, 1350, 2895, 435);
        QTest::newRow("top of column 4") << 31 << QRect(8955, 900, 2895, 435);
        QTest::newRow("last") << 40 << QRect(8955, 4950, 2895, 435);
    }
    void cellPlaces()
    {
        QFETCH(int, record);
        QFETCH(QRect, place);
        QCOMPARE(ReportLayout::cellRect(record), place);
    }

    // On paper exercises 1 and 2 sit side by side, 3 and 4 two rows below them.
    void recordPositions_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("1") << 1 << QPoint(1000, 2000);
        QTest::newRow("2") << 2 << QPoint(1000, 2400);
        QTest::newRow("10") << 10 << QPoint(1000, 5600);
        QTest::newRow("11") << 11 << QPoint(6000, 2000);
        QTest::newRow("20") << 20 << QPoint(6000, 5600);
        QTest::newRow("21") << 21 << QPoint(1000, 6400);
        QTest::newRow("30") << 30 << QPoint(1000, 10000);
        QTest::newRow("31") << 31 << QPoint(6000, 6400);
        QTest::newRow("40") << 40 << QPoint(6000, 10000);
    }
    void recordPositions()
    {
        QFETCH(int, record);
        QFETCH(QPoint, position);
        QCOMPARE(ReportLayout::recordPosition(record), position);
    }

    // The stored time keeps its leading blank, so a time reads with two blanks before it.
    void timeLines_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QString>("line");
        QTest::newRow("1 done") << 1 << " 53" << QPoint(1000, 11000)
                                << "Eser. n.1: Tempo tot.  53 secondi";
        QTest::newRow("2 not begun")
            << 2 << "" << QPoint(6000, 11000) << "Eser. n.2: Tempo tot.  secondi";
        QTest::newRow("3 long") << 3 << " 100" << QPoint(1000, 12000)
                                << "Eser. n.3: Tempo tot.  100 secondi";
        QTest::newRow("4") << 4 << " 7" << QPoint(6000, 12000)
                           << "Eser. n.4: Tempo tot.  7 secondi";
    }
    void timeLines()
    {
        QFETCH(int, exercise);
        QFETCH(QString, time);
        QFETCH(QPoint, position);
        QFETCH(QString, line);
        QCOMPARE(ReportLayout::timeLinePosition(exercise), position);
        QCOMPARE(ReportLayout::timeLineText(exercise, time), line);
    }

    void timeBoxes_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("caption");
        QTest::newRow("finished") << " 53"
                                  << "Tempo totale:     53 sec.";
        QTest::newRow("not begun") << ""
                                   << "Tempo totale:     sec.";
    }
    void timeBoxes()
    {
        QFETCH(QString, time);
        QFETCH(QString, caption);
        QCOMPARE(ReportLayout::timeBoxText(time), caption);
    }

    void header()
    {
        QCOMPARE(ReportLayout::headerText(),
            QStringLiteral("SCUOLA ELEMENTARE DI_____________________   "));
        QCOMPARE(ReportLayout::headerText().count(QLatin1Char('_')), 21);
        QCOMPARE(ReportLayout::headerPosition(), QPoint(1000, 1000));
        QCOMPARE(ReportLayout::belowHeaderPosition(), QPoint(1000, 1500));
    }
};

QTEST_GUILESS_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
