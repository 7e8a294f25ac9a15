// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "JudgedOperations.h"
#include "core/ErrorRules.h"
#include "core/ErrorSummary.h"
#include "core/OperationGenerator.h"
#include "core/SessionRecord.h"

#include <QTest>

using Analysis::Error;
using Analysis::Kind;

Q_DECLARE_METATYPE(Analysis::Error)
Q_DECLARE_METATYPE(Analysis::Kind)

namespace {

JudgedOperation judged(int minuend, int subtrahend, int asked, const QString &answer)
{
    return judgedOperation(minuend, subtrahend, asked, answer);
}

constexpr int D = Analysis::AskedDifference;
constexpr int M = Analysis::AskedMinuend;
constexpr int S = Analysis::AskedSubtrahend;

} // namespace

class TestErrorRules : public QObject
{
    Q_OBJECT

private slots:
    void kinds_data()
    {
        QTest::addColumn<int>("minuend");
        QTest::addColumn<int>("subtrahend");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("9 - 4") << 9 << 4 << Kind::WithinTen;
        QTest::newRow("10 - 3, a borrow, still within 10") << 10 << 3 << Kind::WithinTen;
        QTest::newRow("11 - 1") << 11 << 1 << Kind::WithoutBorrow;
        QTest::newRow("57 - 27, equal units") << 57 << 27 << Kind::WithoutBorrow;
        QTest::newRow("53 - 17") << 53 << 17 << Kind::WithBorrow;
        QTest::newRow("20 - 1") << 20 << 1 << Kind::WithBorrow;
        QTest::newRow("15 - 9, one-digit subtrahend") << 15 << 9 << Kind::WithBorrow;
    }
    void kinds()
    {
        QFETCH(int, minuend);
        QFETCH(int, subtrahend);
        QFETCH(Kind, kind);
        QCOMPARE(Analysis::kindOf(minuend, subtrahend), kind);
        QCOMPARE(Analysis::judge(judged(minuend, subtrahend, D, QStringLiteral("0"))).kind, kind);
    }

    // One row per rule and mode, the answer both borrow errors give, and the rows where the
    // order of the rules decides.
    void labels_data()
    {
        QTest::addColumn<int>("minuend");
        QTest::addColumn<int>("subtrahend");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<Error>("error");
        // 53 - 17 = 36
        QTest::newRow("right") << 53 << 17 << D << "36" << Error::None;
        QTest::newRow("smaller digit from the larger")
            << 53 << 17 << D << "44" << Error::SmallerFromLarger;
        QTest::newRow("borrow not taken, before 'tens'")
            << 53 << 17 << D << "46" << Error::BorrowNotTaken;
        QTest::newRow("both borrow errors give 45") << 52 << 17 << D << "45" << Error::BorrowMixed;
        QTest::newRow("adds, difference asked") << 53 << 17 << D << "70" << Error::AddsInstead;
        QTest::newRow("no borrow: ten more is 'tens'") << 57 << 13 << D << "54" << Error::OffByTen;
        QTest::newRow("borrow rules only for the difference")
            << 53 << 17 << S << "44" << Error::Other;
        QTest::newRow("adds, subtrahend asked") << 53 << 17 << S << "89" << Error::AddsInstead;
        QTest::newRow("copies the difference") << 53 << 17 << S << "36" << Error::CopiesNumber;
        QTest::newRow("copies the minuend") << 53 << 17 << S << "53" << Error::CopiesNumber;
        QTest::newRow("copying comes before 'one off'")
            << 15 << 7 << S << "8" << Error::CopiesNumber;
        QTest::newRow("subtracts, minuend asked")
            << 53 << 17 << M << "19" << Error::SubtractsInstead;
        QTest::newRow("subtracts, difference below subtrahend")
            << 25 << 17 << M << "9" << Error::SubtractsInstead;
        QTest::newRow("carry forgotten, before 'tens'")
            << 53 << 17 << M << "43" << Error::ForgetsCarry;
        QTest::newRow("no carry: ten less is 'tens'") << 43 << 12 << M << "33" << Error::OffByTen;
        QTest::newRow("copies the difference, minuend asked")
            << 53 << 17 << M << "36" << Error::CopiesNumber;
        QTest::newRow("copies the subtrahend") << 53 << 17 << M << "17" << Error::CopiesNumber;
        QTest::newRow("adding is no rule where the minuend is asked")
            << 53 << 17 << M << "70" << Error::Other;
        QTest::newRow("one more") << 53 << 17 << D << "37" << Error::OffByOne;
        QTest::newRow("one less, subtrahend asked") << 53 << 17 << S << "16" << Error::OffByOne;
        QTest::newRow("ten less") << 53 << 17 << D << "26" << Error::OffByTen;
        QTest::newRow("digits reversed") << 53 << 17 << D << "63" << Error::ReversedDigits;
        QTest::newRow("digits reversed, minuend asked")
            << 53 << 17 << M << "35" << Error::ReversedDigits;
        QTest::newRow("a one-digit value has nothing to reverse")
            << 15 << 7 << D << "80" << Error::Other;
        QTest::newRow("anything else") << 53 << 17 << D << "99" << Error::Other;
        QTest::newRow("a leading zero names no procedure") << 15 << 7 << D << "08" << Error::Other;
        QTest::newRow("no number at all") << 15 << 7 << D << "" << Error::Other;
    }
    void labels()
    {
        QFETCH(int, minuend);
        QFETCH(int, subtrahend);
        QFETCH(int, asked);
        QFETCH(QString, answer);
        QFETCH(Error, error);
        const JudgedOperation operation = judged(minuend, subtrahend, asked, answer);
        QCOMPARE(Analysis::judge(operation).error, error);
        QCOMPARE(Analysis::errorName(error).isEmpty(), error == Error::None);
    }

    // Every operation the six ranges can draw, every asked term, every wrong answer from 0 to
    // 199: each gets a label, and one that could apply to that operation.
    void everyWrongAnswerGetsOneLabel()
    {
        qint64 answers = 0;
        for (int level = 1; level <= 6; ++level) {
            const auto rule = Exercise::drawRule(level);
            QVERIFY(rule);
            for (int d = rule->differenceBase; d < rule->differenceBase + rule->differenceSpan;
                 ++d) {
                for (int s = rule->subtrahendBase; s < rule->subtrahendBase + rule->subtrahendSpan;
                     ++s) {
                    if (!rule->accepts(d, s))
                        continue;
                    for (int asked = D; asked <= S; ++asked) {
                        JudgedOperation operation = judged(d + s, s, asked, QString());
                        const int right = Analysis::rightValue(d + s, s, asked);
                        for (int answer = 0; answer <= 199; ++answer) {
                            if (answer == right)
                                continue;
                            const Error error = Analysis::errorOf(d + s, s, asked, answer);
                            if (error == Error::None || !Analysis::couldApply(error, operation))
                                QFAIL(qPrintable(QStringLiteral("%1 - %2, term %3, answer %4: %5")
                                                     .arg(d + s)
                                                     .arg(s)
                                                     .arg(asked)
                                                     .arg(answer)
                                                     .arg(int(error))));
                            ++answers;
                        }
                    }
                }
            }
        }
        qInfo("%lld wrong answers labelled", answers);
        QVERIFY(answers > 1000000);
    }
};

QTEST_APPLESS_MAIN(TestErrorRules)
#include "tst_errorrules.moc"
