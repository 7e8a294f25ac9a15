// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/OperationGenerator.h"
#include "core/RandomSource.h"
#include "core/ReviewInput.h"
#include "core/ReviewSequence.h"
#include "core/Scoring.h"
#include "core/SessionFlow.h"
#include "core/SessionRecord.h"

#include <QHash>
#include <QTest>
#include <functional>

using Review::Operation;
using Review::Sequence;

namespace {

// "15-7=?": the hidden term as "?".
QString text(const Operation &operation)
{
    const int minuend = operation.difference + operation.subtrahend;
    auto term = [&](int code, int value) {
        return operation.askedTerm == code ? QStringLiteral("?") : QString::number(value);
    };
    return term(2, minuend) + QLatin1Char('-') + term(3, operation.subtrahend) + QLatin1Char('=')
        + term(1, operation.difference);
}

// Operations with the difference hidden: {difference, subtrahend}.
QList<Operation> operations(std::initializer_list<std::pair<int, int>> pairs)
{
    QList<Operation> result;
    for (const auto &[difference, subtrahend] : pairs)
        result.append({ difference, subtrahend, 1 });
    return result;
}

const QList<Operation> Known = operations({ { 1, 1 }, { 2, 2 }, { 3, 3 }, { 4, 4 } });

// Plays a review to its end, answering each question as rightFor says, and returns the
// questions asked, blank-separated.
QString play(Sequence &sequence, const std::function<bool(const Operation &, int)> &rightFor)
{
    QStringList asked;
    while (!sequence.isFinished()) {
        const Operation operation = sequence.current();
        asked.append(text(operation));
        sequence.answer(rightFor(operation, static_cast<int>(asked.size())));
    }
    return asked.join(QLatin1Char(' '));
}

bool alwaysRight(const Operation &, int)
{
    return true;
}

} // namespace

class TestReviewSequence : public QObject
{
    Q_OBJECT

private slots:
    // Each missed operation: asked, asked after one known, asked after two; then the next.
    void rehearsalOrder_data()
    {
        QTest::addColumn<int>("missedCount");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one missed") << 1 << "15-10=? 6-3=? 15-10=? 4-2=? 8-4=? 15-10=?";
        QTest::newRow("two missed") << 2
                                    << "15-10=? 6-3=? 15-10=? 4-2=? 8-4=? 15-10=? "
                                       "17-11=? 2-1=? 17-11=? 4-2=? 2-1=? 17-11=?";
        QTest::newRow("ten missed: the six that fit whole in forty")
            << 10
            << "23-14=? 6-3=? 23-14=? 4-2=? 8-4=? 23-14=? "
               "25-15=? 2-1=? 25-15=? 4-2=? 2-1=? 25-15=? "
               "27-16=? 6-3=? 27-16=? 8-4=? 4-2=? 27-16=? "
               "29-17=? 6-3=? 29-17=? 4-2=? 2-1=? 29-17=? "
               "31-18=? 6-3=? 31-18=? 4-2=? 6-3=? 31-18=? "
               "33-19=? 2-1=? 33-19=? 6-3=? 2-1=? 33-19=?";
    }
    void rehearsalOrder()
    {
        QFETCH(int, missedCount);
        QFETCH(QString, expected);
        Review::Input input;
        for (int i = 0; i < missedCount; ++i)
            input.missed.append({ 5 + i, 10 + i, 1 });
        input.known = Known;
        MixingRandomSource random(7);
        Sequence sequence(input, random);
        QCOMPARE(play(sequence, alwaysRight), expected);
        // Both closing counts name only operations practised to the end of their plan.
        QCOMPARE(sequence.reviewedCount(), std::min(missedCount, 6));
        QCOMPARE(sequence.nowRightCount(), std::min(missedCount, 6));
    }

    // A wrong answer to a missed operation asks it once more at the end; after its second miss it
    // is asked once more at most, the next planned ask or one at the end, whatever the answer.
    void wrongAnswers_data()
    {
        QTest::addColumn<QList<int>>("wrongAsks"); // which asks of the missed operation fail
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("nowRight");
        const QString plan = QStringLiteral("15-10=? 6-3=? 15-10=? 4-2=? 8-4=? 15-10=?");
        QTest::newRow("none") << QList<int> {} << plan << 1;
        QTest::newRow("the first") << QList<int> { 1 } << plan + " 15-10=?" << 1;
        QTest::newRow("the first two") << QList<int> { 1, 2 } << plan << 1;
        QTest::newRow("the last two") << QList<int> { 2, 3 } << plan + " 15-10=?" << 1;
        QTest::newRow("every one") << QList<int> { 1, 2, 3, 4, 5 } << plan << 0;
        QTest::newRow("the first and the one at the end")
            << QList<int> { 1, 4 } << plan + " 15-10=? 15-10=?" << 1;
    }
    void wrongAnswers()
    {
        QFETCH(QList<int>, wrongAsks);
        QFETCH(QString, expected);
        QFETCH(int, nowRight);
        const Operation missed { 5, 10, 1 };
        Review::Input input;
        input.missed = { missed };
        input.known = Known;
        MixingRandomSource random(7);
        Sequence sequence(input, random);
        int asksOfMissed = 0;
        const QString asked = play(sequence, [&](const Operation &operation, int) {
            if (operation != missed)
                return false; // known operations answered wrong: no effect
            return !wrongAsks.contains(++asksOfMissed);
        });
        QCOMPARE(asked, expected);
        QCOMPARE(sequence.nowRightCount(), nowRight);
    }

    // However the pupil answers, forty questions at most.
    void fortyQuestionsAtMost()
    {
        Review::Input input;
        for (int i = 0; i < Sequence::MostMissed; ++i)
            input.missed.append({ 5 + i, 10 + i, 1 });
        input.known = Known;
        MixingRandomSource random(7);
        Sequence sequence(input, random);
        QHash<int, int> asks; // right, right, wrong, wrong: five asks of each missed operation
        play(sequence, [&](const Operation &operation, int) {
            return operation.subtrahend < 10 || ++asks[operation.subtrahend] <= 2;
        });
        QCOMPARE(sequence.asked(), Sequence::MostQuestions);
        QVERIFY(sequence.isFinished());
    }

    // With fewer than three known operations the known ones come from the range's generator,
    // with the session's hidden terms, never a missed one and never the same twice running.
    void fewerThanThreeKnown()
    {
        Review::Input input;
        input.missed = { { 3, 4, 2 } };
        input.known = operations({ { 1, 1 }, { 2, 2 } });
        input.rangeLevel = 1;
        input.askedTermLow = 2;
        input.askedTermHigh = 3;
        MixingRandomSource random(7);
        Sequence sequence(input, random);
        QList<Operation> asked;
        play(sequence, [&](const Operation &operation, int) {
            asked.append(operation);
            return true;
        });
        QStringList texts;
        for (const Operation &operation : asked)
            texts.append(text(operation));
        QCOMPARE(texts.join(' '), QStringLiteral("?-4=3 ?-1=1 ?-4=3 7-?=2 ?-2=6 ?-4=3"));
        const auto rule = Exercise::drawRule(1);
        for (int known : { 1, 3, 4 }) {
            const Operation &operation = asked.at(known);
            QVERIFY(rule->accepts(operation.difference, operation.subtrahend));
            QVERIFY(operation.askedTerm == 2 || operation.askedTerm == 3);
            QVERIFY(operation != input.missed.first());
        }
        QVERIFY(asked.at(3) != asked.at(4));
    }

    // Each missed operation once, only the six missed most recently, in the order first missed.
    void mostRecentDistinct()
    {
        Review::Input input;
        for (int i = 1; i <= 11; ++i)
            input.missed.append({ i, 20, 1 });
        input.missed.append({ 1, 20, 1 }); // missed again last: among the recent ones
        input.known = Known;
        MixingRandomSource random(7);
        Sequence sequence(input, random);
        QCOMPARE(sequence.reviewedCount(), Sequence::MostMissed);
        QStringList missedAsked;
        play(sequence, [&](const Operation &operation, int) {
            if (operation.subtrahend == 20 && !missedAsked.contains(text(operation)))
                missedAsked.append(text(operation));
            return true;
        });
        QCOMPARE(missedAsked.first(), QStringLiteral("21-20=?"));
        QCOMPARE(missedAsked.size(), Sequence::MostMissed);
        QVERIFY(!missedAsked.contains(QStringLiteral("26-20=?"))); // missed longer ago
    }

    // The adapter reads the judged operations of this session, missed ones in their order.
    void inputFromSession()
    {
        SessionRecord session;
        session.RangeLevel = 4;
        session.AskedTermLow = 1;
        session.AskedTermHigh = 3;
        const struct
        {
            int difference, subtrahend, askedTerm;
            bool right;
        } judged[] = { { 8, 7, 1, true }, { 5, 0, 3, false }, { 8, 7, 2, true },
            { 9, 9, 1, false } };
        for (const auto &operation : judged) {
            ++session.OpCount;
            session.Difference = operation.difference;
            session.Subtrahend = operation.subtrahend;
            session.AskedTerm = operation.askedTerm;
            Exercise::recordJudgement(session, QString(), operation.right);
        }
        // A fact beyond the session's count (a session thrown away) is not read.
        session.Judged[5] = { true, 2, 1, 1, QStringLiteral("0"), false, 3 };

        const Review::Input input = Review::reviewInputFrom(session);
        QCOMPARE(input.missed, (QList<Operation> { { 5, 0, 3 }, { 9, 9, 1 } }));
        QCOMPARE(input.known, (QList<Operation> { { 8, 7, 1 }, { 8, 7, 2 } }));
        QCOMPARE(input.rangeLevel, 4);
        QCOMPARE(input.askedTermLow, 1);
        QCOMPARE(input.askedTermHigh, 3);

        Review::noteOutcome(session, 2, 1);
        QCOMPARE(session.ReviewedOperations, 2);
        QCOMPARE(session.ReviewedNowRight, 1);
        Exercise::startSession(session);
        QVERIFY(Review::reviewInputFrom(session).missed.isEmpty());
        QCOMPARE(session.ReviewedOperations, 0);
    }
};

QTEST_GUILESS_MAIN(TestReviewSequence)
#include "tst_reviewsequence.moc"
