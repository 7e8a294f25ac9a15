// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "JudgedOperations.h"
#include "core/PracticeHistory.h"
#include "core/RandomSource.h"
#include "core/TellingOperations.h"
#include "core/TodayPlan.h"

#include <QTest>

using Practice::Family;
using Practice::Operation;

namespace {

const QDate Monday(2026, 10, 5);

// One session of the day: forty operations up to 19, the first `missed` of them answered one
// too much, the others right in 5 s.
Hypothesis::DatedSession session(int day, int missed, std::uint64_t seed)
{
    MixingRandomSource random(seed);
    Hypothesis::DatedSession result { Monday.addDays(day), {} };
    for (int index = 0; index < 40; ++index) {
        const int minuend = 2 + int(random.next() * 18);
        const int subtrahend = int(random.next() * minuend);
        const int right = minuend - subtrahend;
        result.operations.append(judgedOperation(
            minuend, subtrahend, 1, QString::number(index < missed ? right + 1 : right), 5));
    }
    return result;
}

bool contains(const Practice::TodayPlan &plan, const Operation &operation)
{
    return std::any_of(plan.operations.cbegin(), plan.operations.cend(),
        [&](const auto &planned) { return planned.operation == operation; });
}

} // namespace

class TestTodayPlan : public QObject
{
    Q_OBJECT

private slots:
    // A miss comes back after 1 day, then 3 and 7 days after each right answer; a miss on the
    // way starts again. Answers: day of the course and right (r) or wrong (w).
    void missedOperationsComeBack_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("dueDay"); // -1: not due
        QTest::newRow("never missed") << QStringList { "0r", "1r" } << -1;
        QTest::newRow("missed") << QStringList { "0w" } << 1;
        QTest::newRow("missed and right the same day") << QStringList { "0w", "0r" } << 1;
        QTest::newRow("right once after") << QStringList { "0w", "1r" } << 4;
        QTest::newRow("right twice after") << QStringList { "0w", "1r", "4r" } << 11;
        QTest::newRow("right three times: retired")
            << QStringList { "0w", "1r", "4r", "11r" } << -1;
        QTest::newRow("missed on the way") << QStringList { "0w", "1r", "4w" } << 5;
    }
    void missedOperationsComeBack()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, dueDay);
        QList<Hypothesis::DatedSession> sessions;
        for (const QString &answer : answers) {
            sessions.append({ Monday.addDays(answer.chopped(1).toInt()),
                { judgedOperation(13, 5, 1, answer.endsWith(u'r') ? "8" : "9") } });
        }
        const QDate due = Practice::History(sessions).dueOn({ 13, 5, 1 });
        QCOMPARE(due, dueDay < 0 ? QDate() : Monday.addDays(dueDay));
    }

    // For several histories: forty operations, at most one in three hard, every miss due today
    // in the plan, and the same random source gives the same plan.
    void planKeepsItsPromises_data()
    {
        QTest::addColumn<QList<Hypothesis::DatedSession>>("history");
        QTest::addColumn<int>("today");
        QTest::newRow("one session, 5 missed") << QList { session(0, 5, 1) } << 1;
        QTest::newRow("two days, 4 and 3 missed")
            << QList { session(0, 4, 2), session(1, 3, 3) } << 2;
        QTest::newRow("three days after a session") << QList { session(0, 6, 4) } << 3;
        QTest::newRow("two sessions, 12 missed")
            << QList { session(0, 6, 5), session(0, 6, 6) } << 1;
    }
    void planKeepsItsPromises()
    {
        QFETCH(QList<Hypothesis::DatedSession>, history);
        QFETCH(int, today);
        MixingRandomSource random(7);
        const QDate day = Monday.addDays(today);
        const Practice::TodayPlan plan = Practice::todayPlan(history, {}, {}, day, random);
        QCOMPARE(plan.operations.size(), Practice::PlanSize);
        const Practice::History past(history);
        const auto hard = std::count_if(plan.operations.cbegin(), plan.operations.cend(),
            [&](const auto &planned) { return past.isHard(planned.operation); });
        QVERIFY2(hard <= Practice::HardCap, qPrintable(QString::number(hard)));
        int due = 0;
        for (const Operation &operation : past.operations()) {
            if (past.dueOn(operation).isValid() && past.dueOn(operation) <= day) {
                ++due;
                QVERIFY(contains(plan, operation));
            }
        }
        QVERIFY(due > 0);
        MixingRandomSource again(7);
        const Practice::TodayPlan same = Practice::todayPlan(history, {}, {}, day, again);
        for (int index = 0; index < Practice::PlanSize; ++index)
            QCOMPARE(same.operations[index].operation, plan.operations[index].operation);
    }

    // A new pupil starts "Entro il 10" with numbers up to 9; a teacher's assignment decides the
    // families and the numbers; an open wrong procedure meets its telling operations.
    void familiesNumbersAndTellingOperations()
    {
        MixingRandomSource random(3);
        const Practice::TodayPlan first = Practice::todayPlan({}, {}, {}, Monday, random);
        QCOMPARE(first.inPlay, QList { Family::WithinTen });
        for (const auto &planned : first.operations)
            QVERIFY(planned.operation.minuend <= 9);

        const Practice::Assignment assignment { { Family::WithBorrow }, 4 };
        const QList history { session(0, 0, 8) };
        const Practice::TodayPlan assigned =
            Practice::todayPlan(history, {}, assignment, Monday.addDays(1), random);
        QCOMPARE(assigned.inPlay, QList { Family::WithBorrow });
        int borrows = 0;
        for (const auto &planned : assigned.operations) {
            QVERIFY(planned.operation.minuend <= 40);
            borrows += Practice::practisedAs(planned.operation) == Family::WithBorrow;
        }
        QVERIFY(borrows >= Practice::FreshTarget);

        const Hypothesis::Found open { Analysis::Error::SmallerFromLarger,
            { Hypothesis::State::Probable, Monday } };
        const Practice::TodayPlan telling =
            Practice::todayPlan(history, { open }, {}, Monday.addDays(1), random);
        const auto tells = std::count_if(
            telling.operations.cbegin(), telling.operations.cend(), [](const auto &planned) {
                const Operation &o = planned.operation;
                return Analysis::discriminates(
                    Analysis::Error::SmallerFromLarger, o.minuend, o.subtrahend, o.askedTerm);
            });
        QVERIFY(tells >= Practice::TellingPerProcedure);
    }
};

QTEST_GUILESS_MAIN(TestTodayPlan)
#include "tst_todayplan.moc"
