// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/StoredSession.h"

#include "core/DrillCodes.h"
#include "core/NumberText.h"
#include "core/OperationDisplay.h"
#include "core/PupilName.h"
#include "core/Scoring.h"
#include "core/StartChoices.h"

#include <algorithm>

namespace Register {

SessionRecord storedSession(
    const SessionStart &start, const QList<Answer> &answers, const QString &date)
{
    SessionRecord session;
    session.PupilName = start.pupilName;
    session.RangeLevel = start.rangeLevel;
    session.RangeLow = start.rangeLow;
    session.RangeHigh = start.rangeHigh;
    const StartChoices::Mode &mode = StartChoices::modes()[codeOf(modeOf(start.mode)) - 1];
    session.AskedTermLow = mode.askedTermLow;
    session.AskedTermHigh = mode.askedTermHigh;
    session.ModeCaption = mode.caption;
    session.SessionDate = date;
    for (const Answer &answer : answers) {
        const int number = answer.operationNumber;
        if (number < 1 || number > SessionRecord::OperationsPerSession)
            continue;
        session.OpCount = number;
        session.ExerciseNo = (number - 1) / SessionRecord::OperationsPerExercise + 1;
        session.OpInExercise = (number - 1) % SessionRecord::OperationsPerExercise + 1;
        session.Subtrahend = answer.subtrahend;
        session.Difference = answer.minuend - answer.subtrahend;
        session.DifferencePad = NumberText::pad(session.Difference);
        session.SubtrahendPad = NumberText::pad(session.Subtrahend);
        session.AskedTerm = answer.askedTerm;
        session.OpRecords[number] = Exercise::questionPart(session);
        Exercise::timeAnswer(session, answer.seconds);
        Exercise::completeRecord(session, answer.typed, Exercise::answerMark(answer.right));
        Exercise::recordJudgement(session, answer.typed, answer.right);
        session.RightCount += answer.right ? 1 : 0;
    }
    return session;
}

QString windowTitleFor(const QString &title, const SessionRecord &session)
{
    if (session.SessionDate.isEmpty())
        return title;
    return QStringLiteral("%1 — %2, %3")
        .arg(title, PupilName::capitalised(session.PupilName, QLocale()), session.SessionDate);
}

} // namespace Register
