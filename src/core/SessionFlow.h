// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

struct SessionRecord;

// The session record's side of the exercise screen's flow: four exercises of ten operations,
// OpCount running from 1 to 40 and never beyond.
namespace Exercise {

// " Operazione con numero massimo da 10 a 20"
QString rangeBanner(int rangeLow, int rangeHigh);

// A new session: no answers, no exercise, no operation, and no times left from an earlier one.
void startSession(SessionRecord &session);

// The next exercise's first operation: its counters and its time start from nothing. Refused
// (false, nothing changed) once the session's forty operations are used up.
bool startExercise(SessionRecord &session);

// The next operation of the exercise. Refused (false) after the exercise's tenth.
bool startNextOperation(SessionRecord &session);

bool isExerciseComplete(const SessionRecord &session); // the tenth operation is on show
bool areMenusUnlocked(const SessionRecord &session); // once exercise 2 is under way
bool isSessionComplete(const SessionRecord &session); // the fortieth operation is on show

QString endOfSessionTitle();
// The question after the fortieth answer; character 13 starts a new line.
QString endOfSessionQuestion();

// Empties records 1 to 40 and their judged facts (a session thrown away).
void discardRecords(SessionRecord &session);

} // namespace Exercise
