// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "core/Session.h"

#include "core/OperationGenerator.h"
#include "core/PracticeSession.h"
#include "core/Scoring.h"
#include "core/SessionFacts.h"
#include "core/SessionFlow.h"
#include "core/SessionRecord.h"
#include "core/SpokenText.h"

#include <algorithm>
#include <utility>

namespace Exercise {

Session::Session(
    SessionRecord &record, RandomSource &random, PupilRegister &pupilRegister, DayClock clock)
    : m_record(record), m_random(random), m_register(pupilRegister), m_clock(std::move(clock))
{
}

void Session::begin()
{
    if (!m_record.PlannedOperations.isEmpty())
        m_plan = std::exchange(m_record.PlannedOperations, {});
    startSession(m_record);
    m_register.sessionStarted(Register::sessionStartOf(m_record, now()));
    startExercise(m_record);
    present();
}

bool Session::nextExercise()
{
    if (m_state != State::Judged || !isExerciseComplete(m_record) || !startExercise(m_record))
        return false;
    present();
    return true;
}

bool Session::nextOperation()
{
    if (m_state != State::Judged || !startNextOperation(m_record))
        return false;
    present();
    return true;
}

void Session::present()
{
    const int asked = operationsUpTo(m_record, m_record.OpCount);
    if (asked >= 1 && asked <= m_plan.size()) {
        m_operation = Practice::presentPlanned(m_record, m_plan[asked - 1]);
    } else {
        livello(m_record, m_random, m_clock.timeOfDay);
        m_operation = presentOperation(m_record, m_random);
    }
    m_record.AnswerText.clear();
    m_record.StartTime = m_clock.timeOfDay();
    m_aidUsed = false;
    m_state = State::Answering;
}

void Session::noteAidUsed()
{
    if (m_state == State::Answering)
        m_aidUsed = true;
}

std::optional<Verdict> Session::judge(const QString &typed, double seconds)
{
    if (m_state != State::Answering)
        return std::nullopt;
    m_state = State::Judged;
    Verdict verdict;
    verdict.right = isRight(typed, m_record.ExpectedAnswerText);
    verdict.mark = countAnswer(m_record, verdict.right);

    m_record.StopTime = m_clock.timeOfDay();
    timeAnswer(m_record, seconds);
    verdict.partialTimeCaption = partialTimeCaption(m_record);
    verdict.exerciseTimeCaption = exerciseTimeCaption(m_record);
    completeRecord(m_record, typed, answerMark(verdict.right));
    recordJudgement(m_record, typed, verdict.right);
    if (m_record.OpCount >= 0 && m_record.OpCount < SessionRecord::RecordSlots)
        verdict.recordLine = m_record.OpRecords[m_record.OpCount];

    verdict.answer = Register::answerOf(
        m_record, seconds, Register::momentOf(m_clock.today(), m_record.StopTime));
    verdict.answer.aidUsed = m_aidUsed;
    m_register.answerJudged(verdict.answer);

    verdict.spoken = verdictSentence(m_record, verdict.right);
    verdict.exerciseComplete = isExerciseComplete(m_record);
    verdict.menusUnlocked = areMenusUnlocked(m_record);
    verdict.sessionComplete = isSessionComplete(m_record);
    if (verdict.sessionComplete) {
        end(Register::Ending::Completed);
        m_record.ExerciseNo = 0; // the record shows no exercise under way
    }
    return verdict;
}

void Session::interrupt()
{
    if (m_state != State::Ended)
        end(Register::Ending::Interrupted);
}

void Session::discard()
{
    discardRecords(m_record);
}

bool Session::hasMissed() const
{
    const int last = std::min(m_record.OpCount, SessionRecord::OperationsPerSession);
    for (int record = 1; record <= last; ++record) {
        const JudgedOperation &fact = m_record.Judged[record];
        if (fact.judged && !fact.right)
            return true;
    }
    return false;
}

void Session::end(Register::Ending how)
{
    m_state = State::Ended;
    m_register.sessionEnded({ how, now() });
}

QDateTime Session::now() const
{
    return Register::momentOf(m_clock.today(), m_clock.timeOfDay());
}

} // namespace Exercise
