// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/Hypothesis.h"
#include "core/PupilKey.h"
#include "register/RegisterQueries.h"
#include "register/SqliteRegister.h"

#include <QTemporaryDir>
#include <QTest>

using Hypothesis::DatedSession;
using Hypothesis::State;

Q_DECLARE_METATYPE(Hypothesis::State)

namespace {

JudgedOperation op(int minuend, int subtrahend, int answer)
{
    JudgedOperation operation;
    operation.judged = true;
    operation.minuend = minuend;
    operation.subtrahend = subtrahend;
    operation.askedTerm = Analysis::AskedDifference;
    operation.answer = QString::number(answer);
    operation.right = answer == minuend - subtrahend;
    return operation;
}

// Sessions written as letters, one per session, with its day of December:
// "R3": the smaller digit taken from the larger recurs (3 of 3 borrows);
// "Kn": n borrows right; "W": one borrow wrong by another error; "L": one borrow with the label.
DatedSession session(int day, const QString &plan)
{
    DatedSession result { QDate(2026, 12, day), {} };
    for (qsizetype at = 0; at < plan.size(); ++at) {
        const QChar letter = plan[at];
        const int count =
            at + 1 < plan.size() && plan[at + 1].isDigit() ? plan[++at].digitValue() : 1;
        for (int i = 0; i < count; ++i) {
            const int minuend = 52 + 10 * (i % 4) + (i / 4);
            const int subtrahend = 17 + 10 * (i % 3);
            if (letter == 'R')
                result.operations.append(op(53 + 10 * i, 17 + 10 * i, 44));
            else if (letter == 'K')
                result.operations.append(op(minuend, subtrahend, minuend - subtrahend));
            else if (letter == 'W')
                result.operations.append(op(minuend, subtrahend, 99));
            else if (letter == 'L')
                result.operations.append(op(53, 17, 44));
        }
    }
    return result;
}

// The sessions written to a register file, one after the other, and read back from it.
QList<DatedSession> throughRegister(const QList<DatedSession> &sessions, const QString &path)
{
    {
        SqliteRegister reg({ path, true });
        int minutes = 0;
        for (const DatedSession &dated : sessions) {
            const QDateTime at(dated.day, QTime(9, 0).addSecs(60 * ++minutes));
            reg.sessionStarted({ QStringLiteral("Anna"), 1, 4, 10, 99, at });
            int number = 0;
            for (const JudgedOperation &operation : dated.operations)
                reg.answerJudged({ ++number, operation.minuend, operation.subtrahend,
                    operation.askedTerm, operation.minuend - operation.subtrahend, operation.answer,
                    operation.right, 3.0, at.addSecs(number), QString() });
        }
        reg.waitUntilWritten();
    }
    return Register::RegisterQueries(path).datedSessions(pupilKey(QStringLiteral("Anna")));
}

} // namespace

class TestHypothesis : public QObject
{
    Q_OBJECT

private slots:
    void states_data()
    {
        QTest::addColumn<QStringList>("sessions"); // "day:plan"
        QTest::addColumn<State>("state");
        QTest::addColumn<QString>("note"); // on 10 December
        QTest::newRow("never") << QStringList { "3:K6W" } << State::None << "";
        QTest::newRow("one session")
            << QStringList { "3:R3" } << State::Probable << "già visto il 3/12: probabile";
        QTest::newRow("today only") << QStringList { "10:R3" } << State::Probable << "probabile";
        QTest::newRow("twice on one day")
            << QStringList { "3:R3", "3:R3" } << State::Probable << "già visto il 3/12: probabile";
        QTest::newRow("two days") << QStringList { "4:R3", "3:R3" } << State::Confirmed
                                  << "già visto il 3/12: confermato";
        QTest::newRow("later day, 5 right")
            << QStringList { "3:R3", "5:K5" } << State::Overcome << "già visto il 3/12: superato";
        QTest::newRow("later day, only 4")
            << QStringList { "3:R3", "5:K4" } << State::Probable << "già visto il 3/12: probabile";
        QTest::newRow("two sessions of a later day together") << QStringList { "3:R3", "5:K2",
            "5:K2W" } << State::Overcome << "già visto il 3/12: superato";
        QTest::newRow("80 % right")
            << QStringList { "3:R3", "5:K4W" } << State::Overcome << "già visto il 3/12: superato";
        QTest::newRow("under 80 % right") << QStringList { "3:R3", "5:K4W2" } << State::Probable
                                          << "già visto il 3/12: probabile";
        QTest::newRow("once with the label")
            << QStringList { "3:R3", "5:K9L" } << State::Probable << "già visto il 3/12: probabile";
        QTest::newRow("the same day does not overcome")
            << QStringList { "3:R3", "3:K9" } << State::Probable << "già visto il 3/12: probabile";
        QTest::newRow("back after it was overcome") << QStringList { "3:R3", "5:K6",
            "8:R3" } << State::Confirmed << "già visto il 3/12: confermato";
    }
    void states()
    {
        QFETCH(QStringList, sessions);
        QFETCH(State, state);
        QFETCH(QString, note);
        QList<DatedSession> dated;
        for (const QString &text : sessions)
            dated.append(session(text.section(':', 0, 0).toInt(), text.section(':', 1)));
        const Hypothesis::Status status =
            Hypothesis::status(Analysis::Error::SmallerFromLarger, dated);
        QCOMPARE(status.state, state);
        QCOMPARE(Hypothesis::note(status, QDate(2026, 12, 10)), note);

        // The same, from the sessions the register keeps.
        QTemporaryDir dir;
        const QList<DatedSession> stored =
            throughRegister(dated, dir.filePath(QStringLiteral("registro.sqlite")));
        QCOMPARE(stored.size(), dated.size());
        const Hypothesis::Status storedStatus =
            Hypothesis::status(Analysis::Error::SmallerFromLarger, stored);
        QCOMPARE(storedStatus.state, state);
        QCOMPARE(storedStatus.firstSeen, status.firstSeen);
        QCOMPARE(Hypothesis::stillOpen(stored).isEmpty(),
            state == State::None || state == State::Overcome);
    }
};

QTEST_GUILESS_MAIN(TestHypothesis)
#include "tst_hypothesis.moc"
