// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/Scoring.h"
#include "core/SessionFlow.h"
#include "core/SessionRecord.h"

#include <QTest>

class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    void judging_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("right");
        QTest::newRow("8 for 8") << "8"
                                 << "8" << true;
        QTest::newRow("08 for 8") << "08"
                                  << "8" << false;
        QTest::newRow("008 for 8") << "008"
                                   << "8" << false;
        QTest::newRow("empty for 8") << ""
                                     << "8" << false;
        QTest::newRow("0 for 0") << "0"
                                 << "0" << true;
        QTest::newRow("00 for 0") << "00"
                                  << "0" << false;
        QTest::newRow("100 for 100") << "100"
                                     << "100" << true;
        QTest::newRow("51 for 15") << "51"
                                   << "15" << false;
    }

    // Answers are compared as text, character for character.
    void judging()
    {
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        QFETCH(bool, right);
        QCOMPARE(Exercise::isRight(answer, expected), right);
        QCOMPARE(Exercise::answerMark(right), right ? QStringLiteral(" ") : QStringLiteral("*"));
    }

    void recordLines_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("line");
        QTest::newRow("right, one digit, 5 s") << "15 -  7 =  ?"
                                               << "8" << true << 5.4 << "15 -  7 =  ?   (8)   5 Tp";
        QTest::newRow("wrong, two digits, 12 s")
            << " ? -  7 =  8"
            << "16" << false << 12.0 << " ? -  7 =  8  (16)* 12 Tp";
        QTest::newRow("three digits, 9.9 s") << " ? - 50 = 50"
                                             << "100" << true << 9.9 << " ? - 50 = 50 (100)   9 Tp";
        QTest::newRow("10 s") << " 5 -  ? =  5"
                              << "0" << true << 10.0 << " 5 -  ? =  5   (0)  10 Tp";
        QTest::newRow("99 s") << "12 -  3 =  ?"
                              << "19" << false << 99.99 << "12 -  3 =  ?  (19)* 99 Tp";
        QTest::newRow("100 s") << "12 -  3 =  ?"
                               << "9" << true << 100.0 << "12 -  3 =  ?   (9)  100 Tp";
        QTest::newRow("0 s") << "12 -  3 =  ?"
                             << "009" << false << 0.2 << "12 -  3 =  ? (009)*  0 Tp";
    }

    // The answer group fills six characters, the time three (up to 99 seconds), then " Tp".
    void recordLines()
    {
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QFETCH(bool, right);
        QFETCH(double, seconds);
        QFETCH(QString, line);
        SessionRecord session;
        session.OpCount = 12;
        session.ExerciseNo = 2;
        session.OpRecords[12] = question;
        Exercise::timeAnswer(session, seconds);
        Exercise::completeRecord(session, answer, Exercise::answerMark(right));
        QCOMPARE(session.OpRecords[12], line);
    }

    // An answer of no characters keeps the pad of the previous check.
    void emptyAnswerKeepsPreviousPad()
    {
        SessionRecord session;
        session.ExerciseNo = 1;
        session.OpCount = 1;
        session.OpRecords[1] = QStringLiteral("15 -  7 =  ?");
        Exercise::timeAnswer(session, 3);
        Exercise::completeRecord(session, QStringLiteral("123"), QStringLiteral("*"));
        session.OpCount = 2;
        session.OpRecords[2] = QStringLiteral("15 -  7 =  ?");
        Exercise::timeAnswer(session, 4);
        Exercise::completeRecord(session, QString(), QStringLiteral("*"));
        QCOMPARE(session.OpRecords[2], QStringLiteral("15 -  7 =  ? ()*  4 Tp"));
        QCOMPARE(session.TypedAnswerPad, QStringLiteral(" "));
    }

    void timeCaptions_data()
    {
        QTest::addColumn<QList<double>>("answers");
        QTest::addColumn<int>("partial");
        QTest::addColumn<QString>("partialText");
        QTest::addColumn<QString>("partialCaption");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("totalText");
        QTest::addColumn<QString>("totalCaption");
        QTest::newRow("9 s") << QList<double> { 9.0 } << 9 << " 9"
                             << " 9" << 9 << " 9"
                             << " 9";
        QTest::newRow("99 s") << QList<double> { 99.5 } << 99 << " 99"
                              << " 99" << 99 << " 99"
                              << " 99";
        QTest::newRow("100 s") << QList<double> { 100.0 } << 100 << " 100"
                               << "99" << 100 << " 100"
                               << " 100";
        QTest::newRow("sum of floors") << QList<double> { 9.9, 9.9 } << 9 << " 9"
                                       << " 9" << 18 << " 18"
                                       << " 18";
        QTest::newRow("999 s") << QList<double> { 500, 499.7 } << 499 << " 499"
                               << "99" << 999 << " 999"
                               << " 999";
        QTest::newRow("1000 s") << QList<double> { 500, 500 } << 500 << " 500"
                                << "99" << 1000 << " 1000"
                                << "999";
        QTest::newRow("clock went back") << QList<double> { 5, -3.5 } << 0 << " 0"
                                         << " 0" << 5 << " 5"
                                         << " 5";
    }

    // The labels are capped at 99 and 999; the texts keep the full numbers.
    void timeCaptions()
    {
        QFETCH(QList<double>, answers);
        QFETCH(int, partial);
        QFETCH(QString, partialText);
        QFETCH(QString, partialCaption);
        QFETCH(int, total);
        QFETCH(QString, totalText);
        QFETCH(QString, totalCaption);
        SessionRecord session;
        session.ExerciseNo = 3;
        for (const double seconds : answers)
            Exercise::timeAnswer(session, seconds);
        QCOMPARE(session.PartialTime, partial);
        QCOMPARE(session.PartialTimeText, partialText);
        QCOMPARE(Exercise::partialTimeCaption(session), partialCaption);
        QCOMPARE(session.ExerciseTime[3], total);
        QCOMPARE(session.ExerciseTimeText[3], totalText);
        QCOMPARE(Exercise::exerciseTimeCaption(session), totalCaption);
        QCOMPARE(session.ExerciseTime[2], 0);
        QCOMPARE(session.ExerciseTimeText[4], QString());
    }

    // Marks count answers: right, wrong, right shows Image1, Image11, Image2; a full row shows
    // nothing more.
    void marks()
    {
        SessionRecord session;
        QCOMPARE(Exercise::countAnswer(session, true), 1);
        QCOMPARE(Exercise::countAnswer(session, false), 11);
        QCOMPARE(Exercise::countAnswer(session, true), 2);
        QCOMPARE(session.RightCount, 2);
        QCOMPARE(session.RightInExercise, 2);
        QCOMPARE(session.WrongInExercise, 1);
        for (int n = 3; n <= 10; ++n)
            QCOMPARE(Exercise::countAnswer(session, true), n);
        QCOMPARE(Exercise::countAnswer(session, true), 0);
        for (int n = 2; n <= 10; ++n)
            QCOMPARE(Exercise::countAnswer(session, false), 10 + n);
        QCOMPARE(Exercise::countAnswer(session, false), 0);
        QCOMPARE(session.RightCount, 11);
    }

    void rangeBanner()
    {
        QCOMPARE(Exercise::rangeBanner(10, 20),
            QStringLiteral(" Operazione con numero massimo da 10 a 20"));
        QCOMPARE(Exercise::rangeBanner(1, 10),
            QStringLiteral(" Operazione con numero massimo da 1 a 10"));
    }

    // A new session leaves no time of any earlier exercise behind.
    void newSessionEmptiesAllTimes()
    {
        SessionRecord session;
        for (int k = 1; k <= 4; ++k) {
            session.ExerciseTime[k] = 10 * k;
            session.ExerciseTimeText[k] = QStringLiteral(" %1").arg(10 * k);
        }
        session.RightCount = 33;
        session.OpCount = 40;
        session.ExerciseNo = 0;
        session.OpRecords[5] = QStringLiteral("kept");
        Exercise::startSession(session);
        for (int k = 1; k <= 4; ++k) {
            QCOMPARE(session.ExerciseTime[k], 0);
            QCOMPARE(session.ExerciseTimeText[k], QString());
        }
        QCOMPARE(session.RightCount, 0);
        QCOMPARE(session.OpCount, 0);
        QCOMPARE(session.OpRecords[5], QStringLiteral("kept"));
    }

    // Forty operations in four exercises of ten, and never a forty-first.
    void operationNumbering()
    {
        SessionRecord session;
        Exercise::startSession(session);
        int started = 0;
        while (Exercise::startExercise(session)) {
            ++started;
            QCOMPARE(session.OpCount, 10 * (session.ExerciseNo - 1) + 1);
            QCOMPARE(session.RightInExercise, 0);
            while (Exercise::startNextOperation(session)) {
                QCOMPARE(session.OpCount, 10 * (session.ExerciseNo - 1) + session.OpInExercise);
                QCOMPARE(Exercise::areMenusUnlocked(session), session.OpCount > 10);
            }
            QVERIFY(Exercise::isExerciseComplete(session));
            QCOMPARE(Exercise::isSessionComplete(session), session.ExerciseNo == 4);
            session.RightInExercise = 7;
        }
        QCOMPARE(started, 4);
        QCOMPARE(session.OpCount, 40);
        session.ExerciseNo = 0; // as after the last answer
        QVERIFY(!Exercise::startExercise(session));
        QVERIFY(!Exercise::startNextOperation(session));
        QCOMPARE(session.OpCount, 40);
    }

    void endOfSession()
    {
        QCOMPARE(Exercise::endOfSessionTitle(), QStringLiteral("FINE ESERCITAZIONE"));
        QCOMPARE(Exercise::endOfSessionQuestion(),
            QStringLiteral("Hai eseguito 4 esercizi.      \r\rVuoi visualizzare le operazioni "
                           "eseguite?\r(Se rispondi NO l'esercizio sarà perso)"));
        SessionRecord session;
        for (int i = 0; i < SessionRecord::RecordSlots; ++i)
            session.OpRecords[i] = QStringLiteral("r%1").arg(i);
        Exercise::discardRecords(session);
        QCOMPARE(session.OpRecords[0], QStringLiteral("r0"));
        for (int i = 1; i <= 40; ++i)
            QCOMPARE(session.OpRecords[i], QString());
        QCOMPARE(session.OpRecords[41], QStringLiteral("r41"));
    }

    // The facts of each judged operation are kept beside its record, and thrown away with it.
    void judgedFacts()
    {
        SessionRecord session;
        session.OpCount = 7;
        session.Difference = 36;
        session.Subtrahend = 17;
        session.AskedTerm = 1;
        session.PartialTime = 12;
        Exercise::recordJudgement(session, QStringLiteral("44"), false);
        const JudgedOperation &judged = session.Judged[7];
        QVERIFY(judged.judged);
        QCOMPARE(judged.minuend, 53);
        QCOMPARE(judged.subtrahend, 17);
        QCOMPARE(judged.askedTerm, 1);
        QCOMPARE(judged.answer, QStringLiteral("44"));
        QVERIFY(!judged.right);
        QCOMPARE(judged.seconds, 12);
        QVERIFY(!session.Judged[6].judged);
        Exercise::discardRecords(session);
        QVERIFY(!session.Judged[7].judged);
        QCOMPARE(session.Judged[7].answer, QString());
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
