// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/ErrorSummary.h"
#include "analysis/PracticeSheet.h"
#include "core/OperationGenerator.h"

#include <QSet>
#include <QTest>

using Analysis::Error;

Q_DECLARE_METATYPE(Analysis::Error)

namespace {

// Some operation of the range gets a wrong answer from the procedure.
bool canGoWrong(Error error, int level)
{
    const auto rule = Exercise::drawRule(level);
    for (int d = rule->differenceBase; d < rule->differenceBase + rule->differenceSpan; ++d) {
        for (int s = rule->subtrahendBase; s < rule->subtrahendBase + rule->subtrahendSpan; ++s) {
            for (int term = 1; term <= 3 && rule->accepts(d, s); ++term) {
                const auto answers = Analysis::procedureAnswers(error, d + s, s, term);
                if (!answers.isEmpty() && answers.first() != Analysis::rightValue(d + s, s, term))
                    return true;
            }
        }
    }
    return false;
}

} // namespace

class TestPracticeSheet : public QObject
{
    Q_OBJECT

private slots:
    // For every label, range, mode and many seeds: each of the eight gets from the diagnosed
    // procedure a wrong answer that the analysis itself names after it and that no other
    // procedure gives; the four others leave the procedure nothing to get wrong; the same seed
    // gives the same sheet. A sheet is missing only where the procedure can never go wrong.
    void eachOfTheEightTellsTheProcedureApart_data()
    {
        QTest::addColumn<Error>("error");
        for (int e = 0; e < Analysis::ErrorCount; ++e) {
            if (Analysis::isProcedure(Error(e)))
                QTest::newRow(qPrintable(Analysis::errorName(Error(e)))) << Error(e);
        }
    }
    void eachOfTheEightTellsTheProcedureApart()
    {
        QFETCH(Error, error);
        const QList<Error> key = PracticeSheet::keyProcedures(error);
        for (int level = 1; level <= 6; ++level) {
            const bool possible = canGoWrong(key.first(), level);
            for (const auto &[low, high] : { std::pair { 1, 1 }, { 2, 3 }, { 1, 3 } }) {
                QSet<QString> different;
                for (std::uint64_t seed = 0; seed < 8; ++seed) {
                    const PracticeSheet::Choice choice { level, low, high, seed };
                    const PracticeSheet::Sheet sheet = PracticeSheet::forProcedure(error, choice);
                    QCOMPARE(sheet.items.isEmpty(), !possible);
                    if (!possible)
                        continue;
                    QCOMPARE(sheet.items.size(), 12);
                    QCOMPARE(PracticeSheet::forProcedure(error, choice).items, sheet.items);
                    QStringList questions;
                    int practice = 0;
                    for (const PracticeSheet::Item &item : sheet.items) {
                        questions.append(PracticeSheet::question(item));
                        const int right =
                            Analysis::rightValue(item.minuend, item.subtrahend, item.askedTerm);
                        practice += item.practice ? 1 : 0;
                        for (const Error procedure : key) {
                            const auto answers = Analysis::procedureAnswers(
                                procedure, item.minuend, item.subtrahend, item.askedTerm);
                            const QString where = QStringLiteral("level %1, %2: %3")
                                                      .arg(level)
                                                      .arg(seed)
                                                      .arg(PracticeSheet::question(item));
                            if (!item.practice) {
                                QVERIFY2(answers.isEmpty() || answers.first() == right,
                                    qPrintable(where));
                                continue;
                            }
                            QVERIFY2(
                                !answers.isEmpty() && answers.first() != right, qPrintable(where));
                            QVERIFY2(Analysis::errorOf(item.minuend, item.subtrahend,
                                         item.askedTerm, answers.first())
                                    == procedure,
                                qPrintable(where));
                            for (int e = 0; e < Analysis::ErrorCount; ++e) {
                                const Error other = Error(e);
                                if (key.contains(other) || !Analysis::isProcedure(other))
                                    continue;
                                QVERIFY2(!Analysis::procedureAnswers(
                                             other, item.minuend, item.subtrahend, item.askedTerm)
                                              .contains(answers.first()),
                                    qPrintable(where + " " + Analysis::errorName(other)));
                            }
                        }
                    }
                    QCOMPARE(practice, PracticeSheet::PracticeCount);
                    different.insert(questions.join(QLatin1Char(',')));
                }
                QVERIFY(!possible || different.size() > 1);
            }
        }
    }

    // Without a recurring procedure: the kind with the lowest share of right answers.
    void withoutARecurringErrorTheWeakestKind()
    {
        const auto op = [](int minuend, int subtrahend, int answer) {
            JudgedOperation operation;
            operation.judged = true;
            operation.minuend = minuend;
            operation.subtrahend = subtrahend;
            operation.askedTerm = 1;
            operation.answer = QString::number(answer);
            operation.right = answer == minuend - subtrahend;
            return operation;
        };
        // Borrow: 1 of 2 right; without a borrow: 1 of 3 right, two slips.
        const Analysis::Summary summary = Analysis::summarise(
            { op(53, 17, 36), op(62, 18, 99), op(58, 23, 35), op(47, 12, 36), op(69, 35, 33) });
        QVERIFY(summary.recurring.isEmpty());
        const PracticeSheet::Sheet sheet = PracticeSheet::choose(summary, { 6, 1, 1, 7 });
        QCOMPARE(sheet.error, Error::None);
        QCOMPARE(sheet.kind, Analysis::Kind::WithoutBorrow);
        int ofKind = 0;
        for (const PracticeSheet::Item &item : sheet.items)
            ofKind += Analysis::kindOf(item.minuend, item.subtrahend) == sheet.kind ? 1 : 0;
        QCOMPARE(ofKind, PracticeSheet::PracticeCount);
    }
};

QTEST_APPLESS_MAIN(TestPracticeSheet)
#include "tst_practicesheet.moc"
