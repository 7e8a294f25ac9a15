// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

// What the exercise screen shows in each state of an operation: which action buttons, whether
// the keypad works, the instruction line and which control takes the focus. The screen reads
// this table and nothing else decides these things.
namespace Exercise {

enum class State {
    WaitingFirst, // the first operation of an exercise waits for its answer
    WaitingLater, // a later operation waits for its answer
    AnswerTyped, // the answer box holds something
    Judged, // an answer has been checked, the exercise goes on
    ExerciseComplete, // the tenth answer of an exercise has been checked
    SessionComplete, // the fortieth answer has been checked and the report asked for
};

// The control that takes the focus on entering a state; Unchanged leaves it where it is.
enum class Focus { Unchanged, Answer, NextOperation, NextExercise };

struct StateView
{
    bool exit = false; // "Esci"
    bool report = false; // "Visualizza  esercizio"
    bool verify = false; // "V e r i f i c a "
    bool nextOperation = false; // "N u o v a   s o t t r a z i o n e"
    bool nextExercise = false; // "Nuovo esercizio"
    bool keypad = false; // the keypad's keys respond
    QString prompt; // the instruction line
    Focus focus = Focus::Unchanged;
    bool reviewAllowed = false; // no answer is being timed: a review may start
};

const StateView &stateView(State state);

} // namespace Exercise
