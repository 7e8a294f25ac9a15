// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>

struct SessionRecord;

// Judging an answer and what follows from it in the session record: the counters, the face
// mark to show, the answer and exercise times, and the completed record line
// ("15 -  7 =  ?   (8)   5 Tp").
namespace Exercise {

// Judged as text, character for character: "08" is not "8" and an empty answer is wrong.
bool isRight(const QString &answer, const QString &expectedText);

// The mark after the answer in the record: a blank when right, "*" when wrong.
QString answerMark(bool right);

// Counts one judged answer and returns the face mark it shows: 1..10 for the right answers of
// the exercise, 11..20 for the wrong ones, 0 once a row is full.
int countAnswer(SessionRecord &session, bool right);

// PartialTime from the seconds since the operation was shown, rounded down and never negative,
// its Str form, and the exercise's running total of whole seconds.
void timeAnswer(SessionRecord &session, double elapsedSeconds);

// The texts of the two time labels, capped at 99 and 999 seconds.
QString partialTimeCaption(const SessionRecord &session);
QString exerciseTimeCaption(const SessionRecord &session);

// Appends the answer group, the mark and the time to OpRecords(OpCount). An answer of unusual
// length (none, or more than three characters) keeps the previous TypedAnswerPad.
void completeRecord(SessionRecord &session, const QString &typedAnswer, const QString &mark);

// Keeps the facts of the operation just judged in Judged(OpCount): its numbers, the asked
// term, the typed answer, the verdict and PartialTime.
void recordJudgement(SessionRecord &session, const QString &typedAnswer, bool right);

} // namespace Exercise
