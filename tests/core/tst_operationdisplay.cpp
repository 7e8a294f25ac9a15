// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "core/NumberText.h"
#include "core/OperationDisplay.h"
#include "core/SessionRecord.h"

#include <QTest>

namespace {

// The draw that picks asked term `term` from the bounds 1..3.
double askFor(int term)
{
    return (term - 1 + 0.5) / 3.0;
}

void setOperation(SessionRecord &session, int difference, int subtrahend)
{
    session.Difference = difference;
    session.Subtrahend = subtrahend;
    session.DifferencePad = NumberText::pad(difference);
    session.SubtrahendPad = NumberText::pad(subtrahend);
}

} // namespace

class TestOperationDisplay : public QObject
{
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<int>("difference");
        QTest::addColumn<int>("subtrahend");
        QTest::addColumn<int>("term");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("number1");
        QTest::addColumn<int>("number1Left");
        QTest::addColumn<QString>("number2");
        QTest::addColumn<int>("number2Left");
        QTest::addColumn<int>("answerLeft");
        QTest::addColumn<QString>("spoken");

        QTest::newRow("15 - 7 = ?")
            << 8 << 7 << 1 << "8"
            << "15 -  7 =  ?"
            << "15" << 100 << "7" << 4000 << 8000 << "15 meno 7 uguale quanto?";
        QTest::newRow("5 - ? = 5")
            << 5 << 0 << 3 << "0"
            << " 5 -  ? =  5"
            << "5" << 100 << "5" << 8000 << 4000 << "5 meno quanto uguale 5?";
        QTest::newRow("? - 7 = 8")
            << 8 << 7 << 2 << "15"
            << " ? -  7 =  8"
            << "7" << 4000 << "8" << 8000 << 100 << "quanto meno 7 uguale 8?";
        QTest::newRow("9 - 4 = ?")
            << 5 << 4 << 1 << "5"
            << " 9 -  4 =  ?"
            << "9" << 100 << "4" << 4000 << 8000 << "9 meno 4 uguale quanto?";
        QTest::newRow("94 - ? = 45")
            << 45 << 49 << 3 << "49"
            << "94 -  ? = 45"
            << "94" << 100 << "45" << 8000 << 4000 << "94 meno quanto uguale 45?";
        QTest::newRow("? - 30 = 12")
            << 12 << 30 << 2 << "42"
            << " ? - 30 = 12"
            << "30" << 4000 << "12" << 8000 << 100 << "quanto meno 30 uguale 12?";
        QTest::newRow("20 - 10 = ?")
            << 10 << 10 << 1 << "10"
            << "20 - 10 =  ?"
            << "20" << 100 << "10" << 4000 << 8000 << "20 meno 10 uguale quanto?";
    }

    // Each asked term hides its own place; the question part is always 12 characters.
    void placement()
    {
        QFETCH(int, difference);
        QFETCH(int, subtrahend);
        QFETCH(int, term);
        QFETCH(QString, expected);
        QFETCH(QString, question);
        QFETCH(QString, number1);
        QFETCH(int, number1Left);
        QFETCH(QString, number2);
        QFETCH(int, number2Left);
        QFETCH(int, answerLeft);
        QFETCH(QString, spoken);

        SessionRecord session;
        setOperation(session, difference, subtrahend);
        session.AskedTermLow = 1;
        session.AskedTermHigh = 3;
        session.OpCount = 7;
        ScriptedRandomSource random;
        random.draws = { askFor(term) };
        const auto view = Exercise::presentOperation(session, random);
        QVERIFY(view);
        QCOMPARE(session.AskedTerm, term);
        QCOMPARE(session.ExpectedAnswerText, expected);
        QCOMPARE(session.ExpectedAnswer, expected.toInt());
        QCOMPARE(session.OpRecords[7], question);
        QCOMPARE(session.OpRecords[7].size(), 12);
        QCOMPARE(view->number1, number1);
        QCOMPARE(view->number1Left, number1Left);
        QCOMPARE(view->number2, number2);
        QCOMPARE(view->number2Left, number2Left);
        QCOMPARE(view->answerLeft, answerLeft);
        QCOMPARE(view->spoken, spoken);
        QCOMPARE(session.OpRecords[6], QString()); // only the current record is written
    }

    void frequencies_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("difference only") << 1 << 1;
        QTest::newRow("minuend or subtrahend") << 2 << 3;
        QTest::newRow("any term") << 1 << 3;
    }

    // Each code of the bounds is equally likely; codes outside them never come up.
    void frequencies()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        constexpr int draws = 30000;
        MixingRandomSource random(4242);
        int counts[4] = {};
        for (int n = 0; n < draws; ++n) {
            const int term = Exercise::drawAskedTerm(low, high, random);
            QVERIFY(term >= low && term <= high);
            ++counts[term];
        }
        const double share = 1.0 / (high - low + 1);
        for (int term = low; term <= high; ++term)
            QVERIFY2(std::abs(counts[term] / double(draws) - share) < 0.015,
                qPrintable(QStringLiteral("term %1: %2").arg(term).arg(counts[term])));
        // The edge draws reach both bounds.
        ScriptedRandomSource edges;
        edges.draws = { 0.0, 0.9999999 };
        QCOMPARE(Exercise::drawAskedTerm(low, high, edges), low);
        QCOMPARE(Exercise::drawAskedTerm(low, high, edges), high);
    }

    void askedTermOutOfRange_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("4") << 4 << 4;
    }

    // An asked term outside 1..3 keeps the operation on show, its answer and its record.
    void askedTermOutOfRange()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        SessionRecord session;
        setOperation(session, 8, 7);
        session.AskedTermLow = 1;
        session.AskedTermHigh = 1;
        session.OpCount = 1;
        ScriptedRandomSource random;
        QVERIFY(Exercise::presentOperation(session, random));

        setOperation(session, 3, 2);
        session.AskedTermLow = low;
        session.AskedTermHigh = high;
        session.OpCount = 2;
        QVERIFY(!Exercise::presentOperation(session, random));
        QCOMPARE(session.AskedTerm, low);
        QCOMPARE(session.ExpectedAnswer, 8);
        QCOMPARE(session.ExpectedAnswerText, QStringLiteral("8"));
        QCOMPARE(session.OpRecords[1], QStringLiteral("15 -  7 =  ?"));
        QCOMPARE(session.OpRecords[2], QString());
    }
};

QTEST_GUILESS_MAIN(TestOperationDisplay)
#include "tst_operationdisplay.moc"
