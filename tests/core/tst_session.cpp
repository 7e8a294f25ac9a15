// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "FakeServices.h"
#include "core/Grading.h"
#include "core/PracticeSession.h"
#include "core/Session.h"
#include "core/SessionRecord.h"

#include <QRegularExpression>
#include <QTest>

using Exercise::Session;

namespace {

struct Run
{
    SessionRecord record;
    ScriptedRandomSource random;
    RecordingRegister log;
    float clock = 36000.0f;
    Session session { record, random, log,
        { [this] { return clock; }, [] { return QDate(2026, 12, 8); } } };

    explicit Run(int level = 1, int askedLow = 1, int askedHigh = 1)
    {
        record.RangeLevel = level;
        record.AskedTermLow = askedLow;
        record.AskedTermHigh = askedHigh;
    }

    // 'R' a right answer, 'W' a wrong one; each followed by the next operation or exercise.
    void play(const QString &answers)
    {
        for (const QChar answer : answers) {
            const QString typed = answer == QLatin1Char('R') ? record.ExpectedAnswerText
                                                             : record.ExpectedAnswerText + '0';
            QVERIFY(session.judge(typed, 2.0));
            if (!session.nextOperation())
                session.nextExercise();
        }
    }
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void counting_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("rightCount");
        QTest::addColumn<int>("opCount");
        QTest::addColumn<int>("rightInExercise");
        QTest::addColumn<int>("wrongInExercise");
        QTest::addColumn<QString>("ending"); // "" none, "C" completed, "I" interrupted
        const QString ten = QString(10, QLatin1Char('R'));
        QTest::newRow("an exercise's counters start again")
            << ten + "WR" << false << 11 << 13 << 1 << 1 << "";
        QTest::newRow("closed mid-exercise: interrupted, once")
            << ten + "RW" << true << 11 << 13 << 1 << 1 << "I";
        QTest::newRow("forty: completed, once, and nothing after")
            << QString(39, QLatin1Char('R')) + "W" << false << 39 << 40 << 9 << 1 << "C";
        QTest::newRow("forty then closed: still completed only")
            << QString(40, QLatin1Char('W')) << true << 0 << 40 << 0 << 10 << "C";
    }

    // The counters carry across exercises; the register hears of the end exactly once, as it
    // happened.
    void counting()
    {
        QFETCH(QString, answers);
        QFETCH(bool, closed);
        Run run;
        run.session.begin();
        run.play(answers);
        if (closed) {
            run.session.interrupt();
            run.session.interrupt();
        }
        QTEST(run.record.RightCount, "rightCount");
        QTEST(run.record.OpCount, "opCount");
        QTEST(run.record.RightInExercise, "rightInExercise");
        QTEST(run.record.WrongInExercise, "wrongInExercise");
        QCOMPARE(run.log.starts.size(), 1);
        QCOMPARE(run.log.answers.size(), answers.size());
        QFETCH(QString, ending);
        QCOMPARE(run.log.ends.size(), ending.isEmpty() ? 0 : 1);
        if (!ending.isEmpty()) {
            QCOMPARE(run.log.ends[0].how,
                ending == "C" ? Register::Ending::Completed : Register::Ending::Interrupted);
            QVERIFY(run.session.hasEnded());
            QVERIFY(!run.session.judge(run.record.ExpectedAnswerText, 1.0));
            QVERIFY(!run.session.nextExercise());
            QVERIFY(!run.session.nextOperation());
            QCOMPARE(run.log.answers.size(), answers.size());
        }
    }

    // Judged once; the next operation only after a verdict, the next exercise only after the
    // tenth.
    void orderOfSteps()
    {
        Run run;
        run.session.begin();
        QVERIFY(!run.session.nextOperation());
        QVERIFY(!run.session.nextExercise());
        const auto verdict = run.session.judge(run.record.ExpectedAnswerText, 4.7);
        QVERIFY(verdict && verdict->right);
        QCOMPARE(verdict->mark, 1);
        QCOMPARE(verdict->recordLine, run.record.OpRecords[1]);
        QVERIFY(!run.session.judge(run.record.ExpectedAnswerText, 1.0));
        QVERIFY(!run.session.nextExercise());
        QVERIFY(run.session.nextOperation());
        QCOMPARE(run.record.OpCount, 2);
        QCOMPARE(run.log.answers.size(), 1);
    }

    // Today's practice: its forty operations in order, under the range and the mode that hold
    // them, asked again in the same order when the pupil starts again; the next screen's
    // session draws its own.
    void playsThePlanInOrder()
    {
        Practice::TodayPlan plan;
        for (int n = 0; n < Practice::PlanSize; ++n) {
            const int minuend = 3 + n % 17;
            plan.operations.append(
                Practice::PlannedOperation { { minuend, n % 3, n == 7 ? 3 : 1 } });
        }
        Run run(6, 1, 1);
        Practice::preparePractice(run.record, plan);
        QCOMPARE(run.record.RangeLevel, 2); // minuends up to 19
        QCOMPARE(run.record.AskedTermLow, 1);
        QCOMPARE(run.record.AskedTermHigh, 3); // a hidden subtrahend among them: any term
        run.session.begin();
        QVERIFY(run.record.PlannedOperations.isEmpty());
        run.play(QString(Practice::PlanSize, QLatin1Char('R')));
        QCOMPARE(run.log.answers.size(), Practice::PlanSize);
        for (int n = 0; n < Practice::PlanSize; ++n) {
            const Register::Answer &answer = run.log.answers[n];
            const Practice::Operation &planned = plan.operations[n].operation;
            QCOMPARE(answer.minuend, planned.minuend);
            QCOMPARE(answer.subtrahend, planned.subtrahend);
            QCOMPARE(answer.askedTerm, planned.askedTerm);
        }
        QCOMPARE(run.log.answers[7].expected, 7 % 3);
        QCOMPARE(run.log.starts.last().rangeLevel, 2);
        QCOMPARE(run.log.starts.last().mode, 3);
        QVERIFY(run.session.hasEnded());

        run.session.discard();
        run.session.begin();
        QCOMPARE(run.record.Difference + run.record.Subtrahend, 3);
        QCOMPARE(run.record.Subtrahend, 0);

        Session next { run.record, run.random, run.log,
            { [] { return 36000.0f; }, [] { return QDate(2026, 12, 8); } } };
        run.record.RangeLevel = 5;
        next.begin();
        QVERIFY(run.record.Difference + run.record.Subtrahend >= 40);
    }

    // Four exercises of five with the time hidden: each exercise keeps its column of the report,
    // the session ends after twenty, the pupil is told no seconds while the register keeps them,
    // and the grade is a share of the twenty done.
    void fewerOperationsWithHiddenTime()
    {
        Run run;
        run.record.PupilMeasures.exerciseSize = 5;
        run.record.PupilMeasures.timeHidden = true;
        run.session.begin();
        for (int n = 0; n < 20; ++n) {
            const QString right = run.record.ExpectedAnswerText;
            const auto verdict = run.session.judge(n % 5 == 0 ? right + '0' : right, 2.0);
            QVERIFY(verdict);
            QVERIFY2(!verdict->spoken.contains("second"), qPrintable(verdict->spoken));
            QVERIFY(!verdict->partialTimeCaption.contains(QRegularExpression("\\d")));
            QVERIFY(!verdict->exerciseTimeCaption.contains(QRegularExpression("\\d")));
            QVERIFY2(!verdict->recordLine.contains(QRegularExpression("\\d\\s*Tp")),
                qPrintable(verdict->recordLine));
            QCOMPARE(verdict->answer.seconds, 2.0);
            QCOMPARE(verdict->exerciseComplete, n % 5 == 4);
            QCOMPARE(verdict->sessionComplete, n == 19);
            if (!run.session.nextOperation())
                run.session.nextExercise();
        }
        for (int slot = 1; slot <= 40; ++slot)
            QCOMPARE(run.record.OpRecords[slot].isEmpty(), (slot - 1) % 10 >= 5);
        QCOMPARE(run.log.answers.size(), 20);
        QCOMPARE(run.log.ends.size(), 1);
        QCOMPARE(run.log.ends[0].how, Register::Ending::Completed);
        QCOMPARE(Grading::judgedOperations(run.record), 20);
        QCOMPARE(run.record.RightCount, 16);
    }

    void errorLabel_data()
    {
        QTest::addColumn<int>("askedTerm");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label");
        QTest::newRow("right") << 1 << "36"
                               << "";
        QTest::newRow("smaller from larger") << 1 << "44"
                                             << "Toglie la cifra più piccola dalla più grande";
        QTest::newRow("borrow not taken") << 1 << "46"
                                          << "Dimentica di togliere il prestito alle decine";
        QTest::newRow("leading zero") << 1 << "036"
                                      << "Altri errori";
        QTest::newRow("minuend: subtracts") << 2 << "19"
                                            << "Sottrae invece di addizionare";
    }

    // The label the register keeps for 53 - 17, as its writer named it from the stored row.
    void errorLabel()
    {
        QFETCH(int, askedTerm);
        QFETCH(QString, typed);
        Run run(6, askedTerm, askedTerm);
        // Level 6 draws 5 + 45 r for both numbers: 36 and 17; then the asked term.
        run.random.draws = { 31.5 / 45, 12.5 / 45, 0.5 };
        run.session.begin();
        QCOMPARE(run.record.Difference + run.record.Subtrahend, 53);
        QCOMPARE(run.record.Subtrahend, 17);
        const auto verdict = run.session.judge(typed, 3.0);
        QVERIFY(verdict);
        QTEST(verdict->answer.errorLabel, "label");
        QCOMPARE(run.log.answers.last().errorLabel, verdict->answer.errorLabel);
        QCOMPARE(verdict->answer.typed, typed);
        QCOMPARE(verdict->answer.askedTerm, askedTerm);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
