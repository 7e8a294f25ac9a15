// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/Scoring.h"

#include "core/NumberText.h"
#include "core/SessionRecord.h"

#include <algorithm>
#include <cmath>

namespace Exercise {

namespace {

    // Far beyond any answer a pupil gives, and safe to convert to int.
    constexpr double LongestAnswerSeconds = 1.0e8;

    bool isExerciseIndex(int exercise)
    {
        return exercise >= 1 && exercise < SessionRecord::ExerciseSlots;
    }

} // namespace

bool isRight(const QString &answer, const QString &expectedText)
{
    return answer == expectedText;
}

QString answerMark(bool right)
{
    return right ? QStringLiteral(" ") : QStringLiteral("*");
}

int countAnswer(SessionRecord &session, bool right)
{
    if (right) {
        ++session.RightInExercise;
        ++session.RightCount;
        const int k = session.RightInExercise;
        return k >= 1 && k <= SessionRecord::OperationsPerExercise ? k : 0;
    }
    ++session.WrongInExercise;
    const int k = session.WrongInExercise;
    return k >= 1 && k <= SessionRecord::OperationsPerExercise
        ? SessionRecord::OperationsPerExercise + k
        : 0;
}

void timeAnswer(SessionRecord &session, double elapsedSeconds)
{
    const double seconds = std::isfinite(elapsedSeconds)
        ? std::clamp(std::floor(elapsedSeconds), 0.0, LongestAnswerSeconds)
        : 0.0;
    // Hidden times are still counted for the register, but their texts stay blank, as wide as
    // the figures they stand for, so that every line keeps its layout.
    const auto shown = [&session](int value) {
        const QString text = NumberText::strForm(value);
        return session.PupilMeasures.timeHidden ? QString(text.size(), QLatin1Char(' ')) : text;
    };
    session.PartialTime = static_cast<int>(seconds);
    session.PartialTimeText = shown(session.PartialTime);
    if (isExerciseIndex(session.ExerciseNo)) {
        int &total = session.ExerciseTime[session.ExerciseNo];
        total += session.PartialTime;
        session.ExerciseTimeText[session.ExerciseNo] = shown(total);
    }
}

QString partialTimeCaption(const SessionRecord &session)
{
    if (session.PupilMeasures.timeHidden)
        return QString();
    return session.PartialTime <= 99 ? session.PartialTimeText : QStringLiteral("99");
}

QString exerciseTimeCaption(const SessionRecord &session)
{
    if (!isExerciseIndex(session.ExerciseNo) || session.PupilMeasures.timeHidden)
        return QString();
    return session.ExerciseTime[session.ExerciseNo] <= 999
        ? session.ExerciseTimeText[session.ExerciseNo]
        : QStringLiteral("999");
}

void completeRecord(SessionRecord &session, const QString &typedAnswer, const QString &mark)
{
    switch (typedAnswer.size()) {
    case 1:
        session.TypedAnswerPad = QStringLiteral("   ");
        break;
    case 2:
        session.TypedAnswerPad = QStringLiteral("  ");
        break;
    case 3:
        session.TypedAnswerPad = QStringLiteral(" ");
        break;
    default:
        break;
    }
    session.PartialTimePad = NumberText::pad(session.PartialTime);
    if (session.OpCount < 0 || session.OpCount >= SessionRecord::RecordSlots)
        return;
    session.OpRecords[session.OpCount] += session.TypedAnswerPad + QLatin1Char('(') + typedAnswer
        + QLatin1Char(')') + mark + session.PartialTimePad + session.PartialTimeText
        + QStringLiteral(" Tp");
}

void recordJudgement(SessionRecord &session, const QString &typedAnswer, bool right)
{
    if (session.OpCount < 0 || session.OpCount >= SessionRecord::RecordSlots)
        return;
    JudgedOperation &judged = session.Judged[session.OpCount];
    judged.judged = true;
    judged.minuend = session.Difference + session.Subtrahend;
    judged.subtrahend = session.Subtrahend;
    judged.askedTerm = session.AskedTerm;
    judged.answer = typedAnswer;
    judged.right = right;
    judged.seconds = session.PartialTime;
}

} // namespace Exercise
