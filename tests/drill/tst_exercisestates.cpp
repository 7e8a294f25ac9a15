// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "drill/ExerciseStates.h"

#include <QTest>

using Exercise::Focus;
using Exercise::State;

class TestExerciseStates : public QObject
{
    Q_OBJECT

private slots:
    // The states of the screen, as the pupil meets them; waiting is two rows, as "Esci" shows
    // only for an exercise's first operation.
    void eachState_data()
    {
        QTest::addColumn<State>("state");
        QTest::addColumn<QString>("shown"); // E exit, S report, V verify, O next op, N next ex
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<Focus>("focus");
        QTest::newRow("waiting, first")
            << State::WaitingFirst << "E" << true << " Digita il risultato" << Focus::Answer;
        QTest::newRow("waiting, later")
            << State::WaitingLater << "" << true << " Digita il risultato" << Focus::Answer;
        QTest::newRow("answer typed") << State::AnswerTyped << "V" << true
                                      << "Clicca sul pulsante Verifica" << Focus::Unchanged;
        QTest::newRow("judged") << State::Judged << "O" << false
                                << "Clicca sul pulsante Nuova sottrazione" << Focus::NextOperation;
        QTest::newRow("exercise complete")
            << State::ExerciseComplete << "ESN" << false << "Clicca sul pulsante Nuovo esercizio"
            << Focus::NextExercise;
        QTest::newRow("session complete")
            << State::SessionComplete << "ES" << false << "" << Focus::Unchanged;
    }
    void eachState()
    {
        QFETCH(State, state);
        QFETCH(QString, shown);
        QFETCH(bool, keypad);
        QFETCH(QString, prompt);
        QFETCH(Focus, focus);
        const Exercise::StateView &view = Exercise::stateView(state);
        QString actual;
        for (const auto &[letter, on] : { std::pair { 'E', view.exit }, { 'S', view.report },
                 { 'V', view.verify }, { 'O', view.nextOperation }, { 'N', view.nextExercise } })
            if (on)
                actual += QLatin1Char(letter);
        QCOMPARE(actual, shown);
        QCOMPARE(view.keypad, keypad);
        QCOMPARE(view.prompt, prompt);
        QCOMPARE(view.focus, focus);
    }

    // Rules that hold across the table: at most one of the three big buttons, the focus only on
    // a control that is shown, and a review only while no answer is being timed.
    void acrossStates()
    {
        for (const State state : { State::WaitingFirst, State::WaitingLater, State::AnswerTyped,
                 State::Judged, State::ExerciseComplete, State::SessionComplete }) {
            const Exercise::StateView &view = Exercise::stateView(state);
            QVERIFY(int(view.verify) + int(view.nextOperation) + int(view.nextExercise) <= 1);
            if (view.focus == Focus::NextOperation)
                QVERIFY(view.nextOperation);
            if (view.focus == Focus::NextExercise)
                QVERIFY(view.nextExercise);
            QCOMPARE(view.reviewAllowed,
                state == State::ExerciseComplete || state == State::SessionComplete);
            QVERIFY(!view.reviewAllowed || !view.keypad);
        }
    }
};

Q_DECLARE_METATYPE(State)
Q_DECLARE_METATYPE(Focus)

QTEST_GUILESS_MAIN(TestExerciseStates)
#include "tst_exercisestates.moc"
