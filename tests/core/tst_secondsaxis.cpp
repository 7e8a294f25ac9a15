// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/SecondsAxis.h"

#include <QTest>

class TestSecondsAxis : public QObject
{
    Q_OBJECT

private slots:
    // The top leaves room above the slowest day and splits into whole-second steps.
    void top_data()
    {
        QTest::addColumn<double>("slowest");
        QTest::addColumn<int>("top");
        QTest::newRow("no days") << 0.0 << 4;
        QTest::newRow("quick") << 0.4 << 4;
        QTest::newRow("just fits") << 3.3 << 4;
        QTest::newRow("just over") << 3.4 << 8;
        QTest::newRow("five") << 5.0 << 8;
        QTest::newRow("six and a half") << 6.5 << 8;
        QTest::newRow("slow") << 6.7 << 12;
        QTest::newRow("very slow") << 41.0 << 52;
    }
    void top()
    {
        QFETCH(double, slowest);
        QFETCH(int, top);
        QCOMPARE(SecondsAxis::top(slowest), top);
        QCOMPARE(top % SecondsAxis::Steps, 0);
        QVERIFY(top >= slowest * 1.2);
    }
};

QTEST_APPLESS_MAIN(TestSecondsAxis)
#include "tst_secondsaxis.moc"
