// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/Scoring.h"
#include "core/SessionRecord.h"
#include "core/SpokenText.h"

#include <QTest>

class TestSpokenText : public QObject
{
    Q_OBJECT

private slots:
    // The verdict with the seconds as the time label shows them (capped at 99), and after the
    // tenth answer the exercise's number and its right answers out of ten.
    void verdict_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<int>("opInExercise");
        QTest::addColumn<int>("exerciseNo");
        QTest::addColumn<int>("rightInExercise");
        QTest::addColumn<QString>("said");
        QTest::newRow("right") << true << 3.9 << 4 << 1 << 3 << "Esatto. 3 secondi.";
        QTest::newRow("wrong") << false << 5.0 << 1 << 2 << 0 << "Errato. 5 secondi.";
        QTest::newRow("one second") << true << 1.2 << 2 << 1 << 2 << "Esatto. 1 secondo.";
        QTest::newRow("as the label caps it")
            << true << 130.0 << 5 << 1 << 5 << "Esatto. 99 secondi.";
        QTest::newRow("end of exercise 2")
            << true << 4.0 << 10 << 2 << 8
            << "Esatto. 4 secondi. Esercizio 2 finito: 8 risposte esatte su 10.";
        QTest::newRow("end, wrong, one right")
            << false << 12.0 << 10 << 4 << 1
            << "Errato. 12 secondi. Esercizio 4 finito: 1 risposta esatta su 10.";
    }
    void verdict()
    {
        QFETCH(bool, right);
        QFETCH(double, elapsed);
        QFETCH(int, opInExercise);
        QFETCH(int, exerciseNo);
        QFETCH(int, rightInExercise);
        QFETCH(QString, said);
        SessionRecord session;
        session.ExerciseNo = exerciseNo;
        session.OpInExercise = opInExercise;
        session.OpCount = (exerciseNo - 1) * 10 + opInExercise;
        session.RightInExercise = rightInExercise;
        Exercise::timeAnswer(session, elapsed);
        QCOMPARE(Exercise::verdictSentence(session, right), said);
    }
};

QTEST_APPLESS_MAIN(TestSpokenText)
#include "tst_spokentext.moc"
