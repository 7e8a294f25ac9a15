// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "core/ErrorRules.h"
#include "core/PupilMeasures.h"
#include "core/SessionRecord.h"

#include <QList>
#include <QString>

// A session's judged operations summed up for the teacher: how each kind of subtraction went,
// and which errors recur (a wrong procedure) and which are isolated (slips).
namespace Analysis {

struct KindRow
{
    Kind kind = Kind::WithinTen;
    int operations = 0;
    int right = 0;
    int percent = 0; // of right answers, rounded
    int medianSeconds = 0; // whole seconds, rounded
};

struct ErrorTally
{
    Error error = Error::Other;
    int count = 0; // wrong answers it explains
    int scopeOperations = 0; // judged operations where it could apply
    int scopeWrong = 0; // wrong answers among them
    bool recurring = false;
    JudgedOperation example; // the first wrong answer it explains
};

struct Summary
{
    QString pupil;
    QString date;
    QString mode;
    int rangeLow = 0;
    int rangeHigh = 0;
    int operations = 0;
    int right = 0;
    QList<KindRow> rows; // kinds with at least one operation, in Kind order
    QList<ErrorTally> recurring; // most frequent first, then in rule order
    QList<ErrorTally> isolated; // the same order
    int reviewed = 0; // missed operations practised again in the latest review
    int reviewedNowRight = 0; // of them, answered right the last time they were asked
    Measures::PupilMeasures measures; // those in force for the session
};

// Whether the error could explain a wrong answer to this operation: the borrow errors only
// where the difference is asked and the units need a borrow, and so on.
bool couldApply(Error error, const JudgedOperation &operation);
// At least 3 wrong answers, and at least half of the wrong answers where the error could apply.
// Only a procedure recurs (isProcedure): slips are isolated however many they are.
bool isRecurring(int count, int scopeWrong);

// Seconds 3, 9, 4 give 4; 4, 5 give 5 (halves round up).
int medianSeconds(QList<int> seconds);

// The operations judged so far in this session: Judged(1) to Judged(OpCount), answered ones only.
QList<JudgedOperation> judgedOperations(const SessionRecord &session);

Summary summarise(const QList<JudgedOperation> &operations);
// The same with the heading's facts: the name as the certificate writes it, the date given, the
// mode and the range.
Summary summarise(const SessionRecord &session, const QString &date);

} // namespace Analysis
