// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "JudgedOperations.h"
#include "analysis/AnalysisText.h"
#include "core/ErrorSummary.h"
#include "core/SessionRecord.h"

#include <QTest>

using Analysis::Error;
using Analysis::Kind;

namespace {

JudgedOperation op(
    int minuend, int subtrahend, int answer, int seconds = 5, int asked = Analysis::AskedDifference)
{
    return judgedOperation(minuend, subtrahend, asked, QString::number(answer), seconds);
}

// `count` subtractions with a borrow, difference asked, each answered by taking the smaller
// digit from the larger (53 - 17 -> 44, 63 - 27 -> 44, ...).
QList<JudgedOperation> smallerFromLarger(int count)
{
    QList<JudgedOperation> list;
    for (int i = 0; i < count; ++i)
        list.append(op(53 + 10 * i, 17 + 10 * i, 44));
    return list;
}

// `count` subtractions with a borrow answered wildly wrong.
QList<JudgedOperation> otherBorrowErrors(int count)
{
    QList<JudgedOperation> list;
    for (int i = 0; i < count; ++i)
        list.append(op(41 + i, 15, 99));
    return list;
}

const Analysis::ErrorTally *find(const QList<Analysis::ErrorTally> &tallies, Error error)
{
    for (const Analysis::ErrorTally &tally : tallies) {
        if (tally.error == error)
            return &tally;
    }
    return nullptr;
}

} // namespace

class TestErrorSummary : public QObject
{
    Q_OBJECT

private slots:
    // At least 3 answers, and at least half of the wrong answers where the error could apply.
    void recurring_data()
    {
        QTest::addColumn<int>("explained");
        QTest::addColumn<int>("otherWrongWithBorrow");
        QTest::addColumn<int>("wrongWithoutBorrow");
        QTest::addColumn<bool>("recurring");
        QTest::newRow("2 of 2") << 2 << 0 << 0 << false;
        QTest::newRow("3 of 3") << 3 << 0 << 0 << true;
        QTest::newRow("3 of 7, just under half") << 3 << 4 << 0 << false;
        QTest::newRow("3 of 6, half") << 3 << 3 << 0 << true;
        QTest::newRow("4 of 7, just over half") << 4 << 3 << 0 << true;
        QTest::newRow("errors without a borrow do not count") << 3 << 0 << 8 << true;
    }
    void recurring()
    {
        QFETCH(int, explained);
        QFETCH(int, otherWrongWithBorrow);
        QFETCH(int, wrongWithoutBorrow);
        QFETCH(bool, recurring);
        QList<JudgedOperation> session =
            smallerFromLarger(explained) + otherBorrowErrors(otherWrongWithBorrow);
        for (int i = 0; i < wrongWithoutBorrow; ++i)
            session.append(op(58, 13, 99));
        session.append(op(53, 17, 36)); // a right one counts in no error's share
        const Analysis::Summary summary = Analysis::summarise(session);
        const Analysis::ErrorTally *tally =
            find(recurring ? summary.recurring : summary.isolated, Error::SmallerFromLarger);
        QVERIFY(tally);
        QCOMPARE(tally->count, explained);
        QCOMPARE(tally->scopeWrong, explained + otherWrongWithBorrow);
        QCOMPARE(tally->scopeOperations, explained + otherWrongWithBorrow + 1);
        QVERIFY(!find(recurring ? summary.isolated : summary.recurring, Error::SmallerFromLarger));
    }

    // Each judged operation in one row; empty rows are left out; percentages and medians are
    // whole numbers, halves rounded up.
    void rowsByKind()
    {
        const QList<JudgedOperation> session { op(9, 4, 5, 3), op(8, 8, 0, 9), op(7, 2, 1, 4),
            op(53, 17, 36, 4), op(52, 17, 45, 5), op(41, 15, 26, 12) };
        const Analysis::Summary summary = Analysis::summarise(session);
        QCOMPARE(summary.operations, 6);
        QCOMPARE(summary.right, 4);
        QCOMPARE(summary.rows.size(), 2);
        QCOMPARE(summary.rows[0].kind, Kind::WithinTen);
        QCOMPARE(AnalysisText::rowCells(summary.rows[0], false),
            QStringList({ "Entro il 10", "3", "2", "67%", "4" }));
        QCOMPARE(summary.rows[1].kind, Kind::WithBorrow);
        QCOMPARE(AnalysisText::rowCells(summary.rows[1], false),
            QStringList({ "Con prestito", "3", "2", "67%", "5" }));
        QCOMPARE(Analysis::medianSeconds({ 4, 5 }), 5);
        QCOMPARE(Analysis::medianSeconds({ 4, 7, 1, 30 }), 6);
        QCOMPARE(Analysis::medianSeconds({}), 0);
    }

    // The facts are read from the operations judged in this session only.
    void judgedOperationsOfTheSession()
    {
        SessionRecord session;
        session.OpCount = 3;
        session.Judged[1] = op(9, 4, 5);
        session.Judged[2] = op(9, 4, 1);
        // Operation 3 is on show, not answered yet; 4 is left from a longer session.
        session.Judged[4] = op(9, 4, 5);
        const QList<JudgedOperation> found = Analysis::judgedOperations(session);
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[1].answer, QStringLiteral("1"));
    }

    // The teacher's sentences, word for word.
    void sentences()
    {
        QList<JudgedOperation> session { op(53, 17, 44), op(63, 27, 44), op(73, 37, 44),
            op(83, 47, 44), op(45, 18, 27), op(92, 57, 35), op(30, 10, 21), op(30, 10, 19),
            op(15, 7, 8, 5, Analysis::AskedSubtrahend) };
        const Analysis::Summary summary = Analysis::summarise(session);
        QCOMPARE(AnalysisText::errorLines(summary),
            QStringList({ "Toglie la cifra più piccola dalla più grande: 4 volte su 6 "
                          "sottrazioni con il prestito (53 \u2212 17: ha scritto 44)",
                "Errori isolati: Sbaglia di uno (2 volte), Ricopia un numero (1 volta)" }));
        Analysis::Summary reviewed = summary;
        reviewed.reviewed = 3;
        reviewed.reviewedNowRight = 1;
        QCOMPARE(AnalysisText::errorLines(reviewed).last(),
            QStringLiteral("Ripasso: 3 operazioni ripassate, 1 ora corretta"));

        JudgedOperation minuendAsked = op(53, 17, 43, 5, Analysis::AskedMinuend);
        QCOMPARE(AnalysisText::operationText(minuendAsked), QStringLiteral("? \u2212 17 = 36"));
        QCOMPARE(AnalysisText::operationText(session.last()), QStringLiteral("15 \u2212 ? = 8"));

        QCOMPARE(AnalysisText::errorLines(Analysis::summarise({ op(9, 4, 5) })),
            QStringList({ "Nessun errore: complimenti!" }));
        QCOMPARE(AnalysisText::errorLines(Analysis::summarise({})),
            QStringList({ "Nessuna operazione eseguita" }));
    }

    void heading()
    {
        SessionRecord session;
        session.PupilName = QStringLiteral("mARIO");
        session.ModeCaption = QStringLiteral(" Calcola il resto / differenza");
        session.RangeLow = 10;
        session.RangeHigh = 99;
        session.OpCount = 2;
        session.Judged[1] = op(9, 4, 5);
        session.Judged[2] = op(9, 4, 1);
        session.ReviewedOperations = 1;
        session.ReviewedNowRight = 1;
        const Analysis::Summary summary = Analysis::summarise(session, "08/12/2026");
        QCOMPARE(AnalysisText::errorLines(summary),
            QStringList({ "Errori isolati: Altri errori (1 volta)",
                "Ripasso: 1 operazione ripassata, 1 ora corretta" }));
        QCOMPARE(AnalysisText::headingLines(summary),
            QStringList({ "Mario, 08/12/2026", "Calcola il resto / differenza, numeri da 10 a 99",
                "2 operazioni, 1 esatta" }));
    }

    // Printed lines break at blanks, never inside an operation.
    void wrapping()
    {
        const QString sentence = QStringLiteral(
            "Toglie la cifra: 4 volte su 6 sottrazioni (53 \u2212 17: ha scritto 44)");
        const QStringList lines = AnalysisText::wrapped(sentence, 30);
        QCOMPARE(lines,
            QStringList({ "Toglie la cifra: 4 volte su 6", "sottrazioni",
                "(53 \u2212 17: ha scritto 44)" }));
        QCOMPARE(AnalysisText::wrapped(QStringLiteral("abcdefghij k"), 4),
            QStringList({ "abcdefghij", "k" }));
    }
};

QTEST_APPLESS_MAIN(TestErrorSummary)
#include "tst_errorsummary.moc"
