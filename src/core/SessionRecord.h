// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/PracticeFamily.h"
#include "core/PupilMeasures.h"

#include <QList>
#include <QString>
#include <array>

// What the check learnt about one judged operation, kept beside its record line so that nothing
// has to read the printed line back.
struct JudgedOperation
{
    bool judged = false; // false: no answer judged at this index in this session
    int minuend = 0;
    int subtrahend = 0;
    int askedTerm = 0; // 1 difference, 2 minuend, 3 subtrahend
    QString answer; // as typed
    bool right = false;
    int seconds = 0;
    friend bool operator==(const JudgedOperation &, const JudgedOperation &) = default;
};

// The one store of state that the screens share for one run of the program. Every screen gets
// the same instance by reference (owned by main) and reads and writes its fields directly;
// nothing passes between screens in any other way, and nothing is ever saved.
// Field names are those the screens' rules are written in, so they keep their capitals.
struct SessionRecord
{
    static constexpr int RecordSlots = 46; // OpRecords indices 0..45; 1..40 are used
    static constexpr int ExerciseSlots = 6; // ExerciseTime indices 0..5; 1..4 are used
    static constexpr int OperationsPerExercise = 10;
    static constexpr int ExercisesPerSession = 4;
    static constexpr int OperationsPerSession = OperationsPerExercise * ExercisesPerSession;

    // Pupil and choices (start screen).
    QString PupilName; // at most 15 characters
    int RangeLow = 0;
    int RangeHigh = 0;
    int RangeLevel = 0; // 1..6
    int AskedTermLow = 0; // 1 difference, 2 minuend, 3 subtrahend
    int AskedTermHigh = 0;
    QString ModeColour; // decimal colour value of the mode's buttons
    QString ModeScreenColour; // decimal colour value of the exercise screen in the chosen mode
    QString ModeCaption; // the mode banner given to the exercise screen (the certificate reads it)
    // Today's practice, when the pupil chose it: the forty operations in order, taken by the
    // next session that begins (and kept by it when it starts again).
    QList<Practice::Operation> PlannedOperations;
    // The accommodations in force for this pupil, read when the name is accepted; the default
    // value for a pupil without measures.
    Measures::PupilMeasures PupilMeasures;

    // Current operation.
    int Difference = 0;
    int Subtrahend = 0;
    QString DifferencePad;
    QString SubtrahendPad;
    int AskedTerm = 0;
    int ExpectedAnswer = 0;
    QString ExpectedAnswerText;
    QString AnswerText; // at most 3 characters

    // Timing. Clock readings are seconds since midnight, single precision.
    float StartTime = 0.0f;
    float StopTime = 0.0f;
    int PartialTime = 0;
    QString PartialTimeText;
    QString PartialTimePad;
    std::array<int, ExerciseSlots> ExerciseTime {};
    std::array<QString, ExerciseSlots> ExerciseTimeText {};

    // Progress, score and results.
    int OpCount = 0; // 0..40, index of the newest record
    int OpInExercise = 0; // 1..10
    int ExerciseNo = 0; // 1..4, 0 once the session's last answer is judged
    int RightCount = 0;
    int RightInExercise = 0;
    int WrongInExercise = 0;
    std::array<QString, RecordSlots> OpRecords {};
    std::array<JudgedOperation, RecordSlots> Judged {}; // indexed like OpRecords
    QString TypedAnswerPad;
    int Grade = 0;
    QString GradeText;
    // The report opens with the focus on its print button; the report clears it once done.
    bool ReportFocusOnPrint = false;

    // The latest review of missed operations: how many were reviewed, and how many of them the
    // pupil answered right the last time they were asked. A review changes nothing else.
    int ReviewedOperations = 0;
    int ReviewedNowRight = 0;

    // The short date of a session read back from the register, for the teacher; empty for the
    // session of this run, which is today's.
    QString SessionDate;

    friend bool operator==(const SessionRecord &, const SessionRecord &) = default;
};
