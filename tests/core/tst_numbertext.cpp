// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/NumberText.h"
#include "core/SessionRecord.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    // Str form: one leading blank for numbers that are not negative; a minus takes its place.
    void strForm_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << " 0";
        QTest::newRow("seven") << 7 << " 7";
        QTest::newRow("hundred") << 100 << " 100";
        QTest::newRow("negative") << -3 << "-3";
    }
    void strForm()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::strForm(value), text);
    }

    // Plain form: the digits alone.
    void plainForm()
    {
        QCOMPARE(NumberText::plainForm(7), QStringLiteral("7"));
        QCOMPARE(NumberText::plainForm(40), QStringLiteral("40"));
    }

    // The pad lines numbers up in two-character columns: a blank below 10 only.
    void pad()
    {
        QCOMPARE(NumberText::pad(0), QStringLiteral(" "));
        QCOMPARE(NumberText::pad(9), QStringLiteral(" "));
        QCOMPARE(NumberText::pad(10), QString());
        QCOMPARE(NumberText::pad(98), QString());
    }

    // A new record starts with every number 0 and every text empty.
    void recordStartsEmpty()
    {
        const SessionRecord session;
        QCOMPARE(session.OpCount, 0);
        QCOMPARE(session.RightCount, 0);
        QVERIFY(session.PupilName.isEmpty());
        QCOMPARE(int(session.OpRecords.size()), 46);
        QCOMPARE(int(session.ExerciseTime.size()), 6);
        for (const QString &record : session.OpRecords)
            QVERIFY(record.isEmpty());
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(session.ExerciseTime[i], 0);
            QVERIFY(session.ExerciseTimeText[i].isEmpty());
        }
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
