// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

struct SessionRecord;

// The session record's side of the exercise screen's flow: four exercises of ten operations
// (fewer when the pupil's measures ask), OpCount running from 1 to 40 and never beyond. OpCount
// numbers the record slots ten to an exercise whatever its size, so that each exercise keeps its
// own column on the report and its own numbers in the register.
namespace Exercise {

// Operations in each exercise for the pupil on the record: 10, or 5..9 by the pupil's measures.
int operationsPerExercise(const SessionRecord &session);
// How many operations the session has asked up to and with record slot `slot`.
int operationsUpTo(const SessionRecord &session, int slot);

// " Operazione con numero massimo da 10 a 20"
QString rangeBanner(int rangeLow, int rangeHigh);

// A new session: no answers, no exercise, no operation, and no times left from an earlier one.
void startSession(SessionRecord &session);

// The next exercise's first operation: its counters and its time start from nothing. Refused
// (false, nothing changed) once the session's forty operations are used up.
bool startExercise(SessionRecord &session);

// The next operation of the exercise. Refused (false) after the exercise's last.
bool startNextOperation(SessionRecord &session);

bool isExerciseComplete(const SessionRecord &session); // the exercise's last operation is on show
bool areMenusUnlocked(const SessionRecord &session); // once exercise 2 is under way
bool isSessionComplete(const SessionRecord &session); // the last exercise's last is on show

QString endOfSessionTitle();
// The question after the session's last answer; character 13 starts a new line.
QString endOfSessionQuestion();

// Empties records 1 to 40 and their judged facts (a session thrown away).
void discardRecords(SessionRecord &session);

} // namespace Exercise
